#pragma once
// A field that holds a score or a table figure: digits, and the sign of a
// goal difference.

#include <QLineEdit>

class TFigureField : public QLineEdit {
  Q_OBJECT
public:
  using QLineEdit::QLineEdit;

  // Gives the fields a font that lays their text out without shaping it.
  // Digits and signs need no shaping: they look the same, and laying a
  // field's text out, the larger part of what writing a figure costs, takes
  // a fraction of the time. Set once for the class, before the first field
  // is made, so that no field is laid out twice.
  static void UseUnshapedFont();
};
