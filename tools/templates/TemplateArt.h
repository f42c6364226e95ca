#pragma once
// The two page templates, drawn: every region of the product pages with the
// blanks left empty where the page's labels and picture box go.

#include <QImage>

namespace templates {

QImage drawVelora();  // 982 x 507
QImage drawSundok();  // 823 x 366

}  // namespace templates
