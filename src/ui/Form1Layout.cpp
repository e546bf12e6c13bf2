#include "ui/Form1Layout.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

#include "platform/qt/QtText.h"
#include "ui/DragLabel.h"
#include "ui/IconHelp.h"
#include "worksheet/EditingCommands.h"

// The icon pictures live in a static library; their resources are
// registered by hand.
static void RegisterIconPictures() { Q_INIT_RESOURCE(icons); }

namespace tesmoran {

namespace {

using K = ControlKind;

const QColor kOriginalBackground(255, 192, 192);
const QColor kOriginalInk(0, 0, 128);
const QColor kSolutionBackground(192, 255, 192);
const QColor kWordListBackground(255, 255, 224);

constexpr int kButtonHeight = 375;
constexpr int kSmallButtonHeight = 255;
constexpr int kIconSize = 495;
constexpr int kIconLeft = 120;

ControlPlace Icon(const char* name, int top) {
  return {name, K::kIcon, QString(), kIconLeft, top, kIconSize, kIconSize};
}

ControlPlace Button(const char* name, const char* caption, int left, int top, int width,
                    int height = kButtonHeight) {
  return {name, K::kButton, QString::fromUtf8(caption), left, top, width, height};
}

void Colour(QWidget& w, QPalette::ColorRole background, const QColor& paper,
            const QColor& ink = Qt::black) {
  QPalette p = w.palette();
  p.setColor(background, paper);
  p.setColor(background == QPalette::Base ? QPalette::Text : QPalette::WindowText, ink);
  w.setPalette(p);
  if (background == QPalette::Window) w.setAutoFillBackground(true);
}

QWidget* MakeTextField(QWidget& form, const ControlPlace& c) {
  auto* field = new QPlainTextEdit(&form);
  field->setFont(TextFieldFont());
  field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  field->setTabChangesFocus(true);
  const bool original = QLatin1String(c.name) == QLatin1String("Text1");
  Colour(*field, QPalette::Base, original ? kOriginalBackground : kSolutionBackground,
         original ? kOriginalInk : QColor(Qt::black));
  return field;
}

QWidget* MakeLabel(QWidget& form, const ControlPlace& c) {
  const QLatin1String name(c.name);
  QLabel* label = name == QLatin1String("Bezeichnung7") ? new DragLabel(c.caption, &form)
                                                        : new QLabel(c.caption, &form);
  label->setFont(ControlFont(true));
  label->setAlignment(Qt::AlignCenter);
  label->setTextFormat(Qt::PlainText);
  const QColor paper = name == QLatin1String("Bezeichnung7")   ? kOriginalBackground
                       : name == QLatin1String("Bezeichnung2") ? kSolutionBackground
                                                               : kWordListBackground;
  Colour(*label, QPalette::Window, paper);
  return label;
}

QWidget* MakeList(QWidget& form, const ControlPlace& c) {
  auto* list = new QListWidget(&form);
  list->setFont(ControlFont(c.kind == K::kModeList));
  switch (c.kind) {
    case K::kWordList:
      list->setSelectionMode(QAbstractItemView::MultiSelection);
      list->setUniformItemSizes(true);
      Colour(*list, QPalette::Base, kWordListBackground);
      break;
    case K::kModeList:
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setFrameShape(QFrame::Box);
      list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      Colour(*list, QPalette::Base, Qt::white);
      list->hide();
      break;
    default:  // the task list, shown over the original text on demand
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->hide();
      break;
  }
  return list;
}

QWidget* MakeIcon(QWidget& form, const ControlPlace& c) {
  auto* icon = new QToolButton(&form);
  const QString name = QString::fromLatin1(c.name);
  icon->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
  const int side = UnitsToPixels(c.width) - 4;
  icon->setIconSize(QSize(side, side));
  icon->setAutoRaise(true);
  icon->setFocusPolicy(Qt::StrongFocus);
  QString tip = HelpTextForMainIcon(c.name);
  if (tip.isEmpty()) tip = QStringLiteral("Hilfe zu den Symbolen");
  icon->setToolTip(tip);
  icon->setAccessibleName(tip);
  return icon;
}

QWidget* MakeShape(QWidget& form) {
  auto* shape = new QFrame(&form);
  shape->setFrameShape(QFrame::Box);
  shape->setFrameShadow(QFrame::Plain);
  shape->setForegroundRole(QPalette::Mid);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  return shape;
}

QWidget* MakeControl(QWidget& form, const ControlPlace& c) {
  switch (c.kind) {
    case K::kTextField: return MakeTextField(form, c);
    case K::kLabel: return MakeLabel(form, c);
    case K::kWordList:
    case K::kTaskList:
    case K::kModeList: return MakeList(form, c);
    case K::kButton: {
      auto* button = new QPushButton(c.caption, &form);
      button->setFont(ControlFont());
      button->setAutoDefault(false);
      return button;
    }
    case K::kIcon: return MakeIcon(form, c);
    case K::kShape: return MakeShape(form);
  }
  return nullptr;
}

}  // namespace

const std::vector<ControlPlace>& Form1Controls() {
  static const std::vector<ControlPlace> controls = {
      Icon("Bild2", 120), Icon("Bild5", 720), Icon("Bild6", 1320), Icon("Bild9", 1920),
      Icon("Bild1", 2520), Icon("Bild8", 3120), Icon("Bild10", 3720), Icon("Bild12", 4320),
      Icon("Bild11", 4920), Icon("Bild7", 5520), Icon("Bild13", 6120), Icon("Bild4", 6720),
      Icon("Bild3", 7320),
      Button("Befehl26", "Ersetze Zwischenablage", 840, 120, 2535, kSmallButtonHeight),
      {"Bezeichnung7", K::kLabel, ToQString(kOriginalLabelCaption), 3360, 120, 2775, 255},
      Button("Befehl27", "Ersetze Lösungstext", 6120, 120, 2415, kSmallButtonHeight),
      {"Text1", K::kTextField, QString(), 840, 360, 7695, 2535},
      {"Liste1", K::kTaskList, QString(), 840, 360, 7695, 2565},
      Button("Befehl17", "Ersetze Zwischenablage", 840, 3000, 2535, kSmallButtonHeight),
      {"Bezeichnung2", K::kLabel, QStringLiteral("L ö s u n g s t e x t "), 3360, 3000, 2775, 255},
      Button("Befehl22", "Ersetze Originaltext", 6120, 3000, 2415, kSmallButtonHeight),
      {"Text2", K::kTextField, QString(), 840, 3240, 7695, 2655},
      Button("Befehl1", "Großletter", 840, 6000, 1455), Button("Befehl3", "Rückwärtstext", 2400, 6000, 1455),
      Button("Befehl19", "Mitlaute", 3960, 6000, 1455), Button("Befehl12", "ABC-Wörter", 5520, 6000, 1455),
      Button("Befehl14", "Lücken-Wörter", 7080, 6000, 1455),
      Button("Befehl2", "Kleinletter", 840, 6480, 1455), Button("Befehl29", "Rückwärtssatz", 2400, 6480, 1455),
      Button("Befehl18", "Selbstlaute", 3960, 6480, 1455), Button("Befehl16", "ABC-Nr-Wörter", 5520, 6480, 1455),
      Button("Befehl13", "MitSel-Wörter", 7080, 6480, 1455),
      Button("Befehl6", "Bandwurmtext", 840, 6960, 1455), Button("Befehl4", "Umkehrtext", 2400, 6960, 1455),
      Button("Befehl8", "Nur Erstletter", 3960, 6960, 1455), Button("Befehl15", "Wortrahmen", 5520, 6960, 1455),
      Button("Befehl9", "Purzel-Wörter", 7080, 6960, 1455),
      Button("Befehl7", "Lückentext", 840, 7440, 1455), Button("Befehl10", "Umkehrsatz", 2400, 7440, 1455),
      Button("Befehl11", "Ohne Erstletter", 3960, 7440, 1455), Button("Befehl5", "Umkehrwort", 5520, 7440, 1455),
      Button("Befehl31", "Buchstaben", 7080, 7440, 1455),
      {"Bezeichnung1", K::kLabel, QStringLiteral("W ö r t e r l i s t e"), 8760, 120, 2295, 255},
      {"Liste2", K::kWordList, QString(), 8760, 360, 2295, 5550},
      Button("Befehl21", "Alle", 8760, 6000, 1095), Button("Befehl24", "Keines", 9960, 6000, 1095),
      Button("Befehl25", "Löschen", 8760, 6480, 1095), Button("Befehl28", "Sichern", 9960, 6480, 1095),
      Button("Befehl20", "<==", 8760, 6960, 1095), Button("Befehl23", "Reset", 9960, 6960, 1095),
      Button("Befehl30", "Ersetze Zwischenablage", 8760, 7440, 2295),
      {"Liste3", K::kModeList, QString(), 480, 4800, 2295, kWorkingModeListHeightUnits},
      // Frames around the icon column, the two text groups, the exercise
      // buttons and the word-list group.
      {"Figur1", K::kShape, QString(), 75, 75, 600, 7770},
      {"Figur2", K::kShape, QString(), 780, 75, 7815, 2865},
      {"Figur3", K::kShape, QString(), 780, 2955, 7815, 2985},
      {"Figur4", K::kShape, QString(), 780, 5955, 7815, 1890},
      {"Figur5", K::kShape, QString(), 8700, 75, 2415, 7770},
  };
  return controls;
}

QFont TextFieldFont() {
  QFont font(QStringList{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                         QStringLiteral("Cousine"), QStringLiteral("DejaVu Sans Mono")},
             12);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont ControlFont(bool bold) {
  QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")},
             8, bold ? QFont::Bold : QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void BuildForm1Controls(QWidget& form) {
  RegisterIconPictures();
  for (const ControlPlace& c : Form1Controls()) {
    QWidget* w = MakeControl(form, c);
    w->setObjectName(QString::fromLatin1(c.name));
    w->setGeometry(UnitsToPixels(c.left), UnitsToPixels(c.top), UnitsToPixels(c.width),
                   UnitsToPixels(c.height));
    if (c.kind == K::kShape) w->lower();
  }
  // The lists that appear on demand lie above the controls they cover.
  for (const char* name : {"Liste1", "Liste3"}) form.findChild<QWidget*>(QLatin1String(name))->raise();
}

}  // namespace tesmoran
