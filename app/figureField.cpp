#include "app/figureField.h"

#include <QApplication>

void TFigureField::UseUnshapedFont()
{
  static const char *const ClassName = TFigureField::staticMetaObject.className();
  if (QApplication::font(ClassName).styleStrategy() & QFont::PreferNoShaping)
    return;
  QFont font = QApplication::font();
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
  QApplication::setFont(font, ClassName);
}
