#pragma once

#include <QWidget>

class QLabel;

// The splash window shown during start-up: a drawn picture, notices and the version.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    static QString versionText();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_version;
};
