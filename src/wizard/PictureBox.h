#pragma once

#include <QString>

class QLabel;

// A label used as a picture box.
namespace PictureBox {

// Shows the picture in `file`, scaled to fit the box; the empty path clears the box. A file
// that is no picture leaves the box as it was.
void load(QLabel* box, const QString& file);

}  // namespace PictureBox
