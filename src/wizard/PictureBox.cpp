#include "wizard/PictureBox.h"

#include <QLabel>
#include <QPixmap>

#include "platform/Pictures.h"

namespace PictureBox {

void load(QLabel* box, const QString& file) {
    if (file.isEmpty()) {
        box->clear();
        return;
    }
    const QImage image = Pictures::load(file);
    if (image.isNull()) return;
    const QSize room = box->contentsRect().size().expandedTo(box->minimumSize());
    box->setPixmap(
        QPixmap::fromImage(image).scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace PictureBox
