#pragma once
// The venue viewer StadiumForm: one of the twenty venues at a time with its
// stadium's name and country, two web links, the capacity and a picture;
// two arrow buttons step through all venues in their cyclic order.

#include <QDialog>
#include <QLabel>
#include <functional>
#include <vector>

class QFrame;
class QPushButton;
class QToolButton;

// A sunken panel that shows a web address and reports a click on it.
class TLinkPanel : public QLabel {
  Q_OBJECT
public:
  explicit TLinkPanel(QWidget *parent);
signals:
  void clicked();
protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
private:
  bool Pressed = false;
};

class TStadiumForm : public QDialog {
  Q_OBJECT

public:
  // openLink opens an address in the default browser; the texts are in the language.
  TStadiumForm(QWidget *owner, std::function<void(const QString &)> openLink, int language = 0);

  // The code of the venue shown; 0 until one is shown.
  int StadiumTag = 0;

  // Shows venue `code`. A code outside the table blanks the name, the links
  // and the capacity and shows no picture; StadiumTag keeps its value.
  void ShowVenue(int code);
  // The headings, the close button and the window title in the language.
  void SetCaptions();
  // Makes the picture named `name` the only one shown (exact, case-sensitive).
  void SetNextStadiumImage(const QString &name);

  void RightButtonClick();
  void LeftButtonClick();
  void CityWebSitePanelClick();
  void StadiumWebSitePanelClick();
  void CloseButtonClick();

protected:
  void showEvent(QShowEvent *event) override;

private:
  void OpenLinkOf(const QLabel *panel);

  std::function<void(const QString &)> OpenLink;
  int Language;
  QLabel *StadiumNamePanel = nullptr;
  QLabel *CityWebSiteStaticPanel = nullptr;
  TLinkPanel *CityWebSitePanel = nullptr;
  QLabel *StadiumWebSiteStaticPanel = nullptr;
  TLinkPanel *StadiumWebSitePanel = nullptr;
  QLabel *CapacityStaticPanel = nullptr;
  QLabel *CapacityPanel = nullptr;
  QFrame *Panel1 = nullptr;
  std::vector<QLabel *> Images;   // the twenty pictures, in the venue table's order
  QToolButton *LeftButton = nullptr;
  QToolButton *RightButton = nullptr;
  QPushButton *CloseButton = nullptr;
};
