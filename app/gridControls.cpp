#include "app/gridControls.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QObject *TGridControls::control(const TControlId &id) const
{
  switch (id.kind) {
  case TControlId::Field: return fields[id.index];
  case TControlId::Label: return labels[id.index];
  case TControlId::Button: return buttons[id.index];
  case TControlId::Panel: return panels[id.index];
  case TControlId::MenuItem: return id.index < menuItems.size() ? menuItems[id.index] : nullptr;
  }
  return nullptr;
}

std::optional<TControlId> TGridControls::idOf(const QObject *control) const
{
  const auto it = Ids.constFind(control);
  if (it == Ids.cend())
    return std::nullopt;
  return *it;
}

void TGridControls::add(const TControlId &id, QObject *control)
{
  switch (id.kind) {
  case TControlId::Field: fields[id.index] = static_cast<QLineEdit *>(control); break;
  case TControlId::Label: labels[id.index] = static_cast<QLabel *>(control); break;
  case TControlId::Button: buttons[id.index] = static_cast<QPushButton *>(control); break;
  case TControlId::Panel: panels[id.index] = static_cast<QFrame *>(control); break;
  case TControlId::MenuItem:
    if (menuItems.size() <= id.index)
      menuItems.resize(std::size_t(id.index) + 1);
    menuItems[id.index] = static_cast<QAction *>(control);
    break;
  }
  Ids.insert(control, id);
}

bool HasTwoCharLimit(TField field)
{
  const TFieldInfo &info = FieldInfo(field);
  return info.kind == TFieldInfo::GroupScore || info.stage != TheFinal;
}
