#include "app/figureField.h"

#include <QApplication>

void TFigureField::UseUnshapedFont()
{
  static const char *const ClassName = TFigureField::staticMetaObject.className();
  QFont font = QApplication::font();
  if (QApplication::font(ClassName).styleStrategy() & QFont::PreferNoShaping)
    return;
  font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
  QApplication::setFont(font, ClassName);
}
