// The window as it opens: every control's kind, parent, place, caption and visibility,
// the order they were made in, the keyboard order, the sliders, and the window itself.
#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "frontpanel/ClickArea.h"
#include "frontpanel/DesktopColours.h"
#include "frontpanel/LcdImage.h"
#include "frontpanel/LedShape.h"
#include "instrument/InstrumentState.h"

namespace {

enum class Kind {
  Picture,
  Label,
  Shape,
  ClickArea,
  Button,
  Slider,
  StatusBar,
  Panel,
  Lcd,
  CheckBox,
  Group
};

struct ControlRow {
  const char* Name;
  Kind Type;
  const char* Parent;
  int Left, Top, Width, Height;
  const char* Caption;  // nullptr where the control has none
  bool Visible;
};

// In creation order.
const ControlRow CONTROLS[] = {
    {"Image2", Kind::Picture, "Form1", 0, 0, 310, 310, nullptr, true},
    {"Label13", Kind::Label, "Form1", 408, 16, 6, 13, "0", true},
    {"Shape1", Kind::Shape, "Form1", 142, 16, 28, 27, nullptr, true},
    {"Image3", Kind::ClickArea, "Form1", 65, 234, 49, 49, nullptr, true},
    {"Image5", Kind::ClickArea, "Form1", 132, 246, 49, 49, nullptr, true},
    {"Image6", Kind::ClickArea, "Form1", 196, 234, 49, 49, nullptr, true},
    {"Label1", Kind::Label, "Form1", 344, 16, 45, 13, "GForce Y", true},
    {"Label2", Kind::Label, "Form1", 344, 48, 45, 13, "GForce Z", true},
    {"Label3", Kind::Label, "Form1", 408, 48, 6, 13, "0", true},
    {"Button1", Kind::Button, "Form1", 24, 328, 129, 49, "ON", true},
    {"Button2", Kind::Button, "Form1", 176, 328, 137, 49, "OFF", true},
    {"TrackBar1", Kind::Slider, "Form1", 448, 8, 161, 45, nullptr, true},
    {"StatusBar1", Kind::StatusBar, "Form1", 0, 385, 621, 19, nullptr, true},
    {"Panel1", Kind::Panel, "Form1", 39, 92, 231, 135, nullptr, true},
    {"Image1", Kind::Lcd, "Panel1", 1, 1, 229, 133, nullptr, true},
    {"CheckBox2", Kind::CheckBox, "Form1", 360, 88, 97, 17, "Calibrate", true},
    {"CheckBox3", Kind::CheckBox, "Form1", 472, 88, 97, 17, "KeyFast", true},
    {"TrackBar2", Kind::Slider, "Form1", 447, 40, 161, 45, nullptr, true},
    {"Button3", Kind::Button, "Form1", 236, 285, 75, 25, "AntiClockwise", true},
    {"Button4", Kind::Button, "Form1", 1, 285, 65, 25, "Clockwise", true},
    {"GroupBox1", Kind::Group, "Form1", 384, 120, 185, 153, " Unit Orientation ", true},
    {"Button5", Kind::Button, "GroupBox1", 14, 24, 75, 25, "1G", true},
    {"Button6", Kind::Button, "GroupBox1", 102, 24, 75, 25, "0G", true},
    {"Button7", Kind::Button, "GroupBox1", 14, 72, 75, 25, "Left", true},
    {"Button8", Kind::Button, "GroupBox1", 102, 72, 75, 25, "Right", true},
    {"Button9", Kind::Button, "GroupBox1", 54, 112, 75, 25, "Down", true},
    {"Button10", Kind::Button, "Form1", 392, 304, 75, 25, "Calibrate 1G", false},
    {"Button11", Kind::Button, "Form1", 488, 304, 75, 25, "Calibrate 0G", false},
};

bool HasKind(QWidget* widget, Kind kind) {
  switch (kind) {
    case Kind::Picture:
      return qobject_cast<QLabel*>(widget) != nullptr &&
             !qobject_cast<QLabel*>(widget)->pixmap().isNull();
    case Kind::Label:
      return qobject_cast<QLabel*>(widget) != nullptr &&
             qobject_cast<QLabel*>(widget)->pixmap().isNull();
    case Kind::Shape:
      return dynamic_cast<LedShape*>(widget) != nullptr;
    case Kind::ClickArea:
      return qobject_cast<ClickArea*>(widget) != nullptr;
    case Kind::Button:
      return qobject_cast<QPushButton*>(widget) != nullptr;
    case Kind::Slider:
      return qobject_cast<QSlider*>(widget) != nullptr;
    case Kind::StatusBar:
      return qobject_cast<QStatusBar*>(widget) != nullptr;
    case Kind::Panel:
      return qobject_cast<QFrame*>(widget) != nullptr &&
             widget->metaObject() == &QFrame::staticMetaObject;
    case Kind::Lcd:
      return dynamic_cast<LcdImage*>(widget) != nullptr;
    case Kind::CheckBox:
      return qobject_cast<QCheckBox*>(widget) != nullptr;
    case Kind::Group:
      return qobject_cast<QGroupBox*>(widget) != nullptr;
  }
  return false;
}

QString CaptionOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    return label->text();
  }
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return button->text();
  }
  if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    return group->title();
  }
  return QString();
}

// Names of the named child widgets of parent, in the order the parent holds them.
std::vector<std::string> ChildNames(QWidget* parent) {
  std::vector<std::string> names;
  for (QObject* child : parent->children()) {
    if (child->isWidgetType() && !child->objectName().isEmpty() &&
        !child->objectName().startsWith(QLatin1String("qt_"))) {
      names.push_back(child->objectName().toStdString());
    }
  }
  return names;
}

class LayoutTest : public WindowTest {};

TEST_F(LayoutTest, EveryControlHasItsKindPlaceCaptionAndVisibility) {
  ShowWindow();
  for (const ControlRow& row : CONTROLS) {
    SCOPED_TRACE(row.Name);
    auto* widget = form->findChild<QWidget*>(QString::fromLatin1(row.Name));
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(HasKind(widget, row.Type));
    EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), row.Parent);
    EXPECT_EQ(widget->geometry(), QRect(row.Left, row.Top, row.Width, row.Height));
    if (row.Caption != nullptr) {
      EXPECT_EQ(CaptionOf(widget).toStdString(), row.Caption);
    }
    EXPECT_EQ(widget->isVisible(), row.Visible);
    EXPECT_EQ(widget->font().pixelSize(), 11) << "every control uses the window's font";
  }
}

TEST_F(LayoutTest, ControlsAreMadeInTheirOrderSoLaterOnesLieAbove) {
  std::vector<std::string> form1;
  std::vector<std::string> panel1;
  std::vector<std::string> group1;
  for (const ControlRow& row : CONTROLS) {
    const std::string parent = row.Parent;
    (parent == "Form1" ? form1 : parent == "Panel1" ? panel1 : group1).push_back(row.Name);
  }
  EXPECT_EQ(ChildNames(form.get()), form1);
  EXPECT_EQ(ChildNames(form->Panel1), panel1);
  EXPECT_EQ(ChildNames(form->GroupBox1), group1);
  // The members name the same controls as the object names.
  EXPECT_EQ(form->Image1->objectName(), "Image1");
  EXPECT_EQ(form->Button11->objectName(), "Button11");
}

TEST_F(LayoutTest, TabWalksTheControlsInTheirKeyboardOrder) {
  ShowWindow();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  form->Button1->setFocus();
  // The hidden calibration buttons are skipped; after Button9 the walk comes round again.
  const std::vector<std::string> expected = {
      "Button1", "Button2", "TrackBar1", "CheckBox2", "CheckBox3", "TrackBar2", "Button3",
      "Button4", "Button5", "Button6",   "Button7",   "Button8",   "Button9",   "Button1"};
  std::vector<std::string> walked;
  for (size_t i = 0; i < expected.size(); ++i) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    walked.push_back(focused->objectName().toStdString());
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  EXPECT_EQ(walked, expected);
}

TEST_F(LayoutTest, SlidersSpanTheInputRangeFromTheMiddleWithoutTicks) {
  for (QSlider* slider : {form->TrackBar1, form->TrackBar2}) {
    SCOPED_TRACE(slider->objectName().toStdString());
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 4096);
    EXPECT_EQ(slider->value(), 2048);
    EXPECT_EQ(slider->tickPosition(), QSlider::NoTicks);
  }
  // The number labels read 0 and the inputs are untouched until a slider moves or ON.
  EXPECT_EQ(form->Label13->text(), "0");
  EXPECT_EQ(form->Label3->text(), "0");
  EXPECT_EQ(State.AdcInputY, 0);
  EXPECT_EQ(State.AdcInputZ, 0);
}

TEST_F(LayoutTest, WindowIsAFixedCentredFormOnTheButtonFace) {
  ShowWindow();
  EXPECT_EQ(form->windowTitle(), "Corvane Meridel TQ-4");
  EXPECT_EQ(form->size(), QSize(621, 404));
  EXPECT_EQ(form->minimumSize(), QSize(621, 404));
  EXPECT_EQ(form->maximumSize(), QSize(621, 404));
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);

  const QRect screen = form->screen()->availableGeometry();
  // Centred as far as the window frame, which the window system adds, allows.
  const QPoint offCentre = form->geometry().center() - screen.center();
  EXPECT_LE(std::abs(offCentre.x()), 4);
  EXPECT_LE(std::abs(offCentre.y()), 4);

  const QFontInfo font(form->font());
  EXPECT_EQ(font.pixelSize(), 11);
  EXPECT_TRUE(QStringList({"MS Sans Serif", "Liberation Sans", "Arimo", "Arial", "Nimbus Sans",
                           "DejaVu Sans"})
                  .contains(font.family().section(" [", 0, 0)))
      << font.family().toStdString();

  EXPECT_EQ(form->palette().color(QPalette::Window), ButtonFaceColour(form->palette()));
  EXPECT_TRUE(form->autoFillBackground());
  EXPECT_EQ(form->Panel1->palette().color(QPalette::Window), ScrollBarColour(form->palette()));
}

TEST_F(LayoutTest, InstrumentIsOffAsTheWindowOpens) {
  ShowWindow();
  EXPECT_EQ(form->Shape1->Fill(), QColor(255, 0, 0));
  EXPECT_FALSE(form->CheckBox2->isChecked());
  EXPECT_FALSE(form->CheckBox3->isChecked());
  EXPECT_FALSE(form->Image1->Painted());
  EXPECT_EQ(form->OnDepth(), 0);
  EXPECT_TRUE(form->FaceError().isEmpty()) << form->FaceError().toStdString();

  // The LCD area shows the panel's colour with nothing painted on it.
  const QImage shown = form->grab().toImage();
  const QPoint lcdCentre = form->Image1->mapTo(form.get(), form->Image1->rect().center());
  EXPECT_EQ(shown.pixel(lcdCentre), ScrollBarColour(form->palette()).rgb());
}

TEST_F(LayoutTest, PresentingIsPacedUnlessSwitchedOff) {
  // A window of its own: the fixture's has pacing switched off.
  form.reset();
  TForm1 window;
  EXPECT_TRUE(window.Pacing());
  EXPECT_FALSE(window.Closing());
}

}  // namespace
