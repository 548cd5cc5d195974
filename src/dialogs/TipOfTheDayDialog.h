#pragma once

#include <QDialog>
#include <memory>

#include "dialogs/TipDeck.h"
#include "platform/AppServices.h"

namespace Ui {
class TipOfTheDayDialog;
}

// The tip of the day `frmTip`: one random tip from T34.txt, another at each Next Tip.
// Modeless; it reads the store and the file once, when it is created.
class TipOfTheDayDialog : public QDialog {
    Q_OBJECT
public:
    static QString missingFileInstructions();

    // `seed` starts the random tips; by default it comes from the clock.
    explicit TipOfTheDayDialog(const AppServices& services, QWidget* parent = nullptr,
                               quint32 seed = TipDeck::seedFromClock());
    ~TipOfTheDayDialog() override;

    // Reads the tip file of the application directory and shows a first tip. False when
    // the file is missing or cannot be read.
    bool LoadTips();
    void DisplayCurrentTip();

    const TipDeck& deck() const { return m_deck; }

private:
    void PickRandomTip();

    std::unique_ptr<Ui::TipOfTheDayDialog> m_ui;
    AppServices m_services;
    TipDeck m_deck;
};
