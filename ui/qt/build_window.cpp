// SPDX-License-Identifier: MIT
#include "ui/qt/build_window.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/design/pixels.h"
#include "ui/design/rows.h"
#include "ui/qt/dotted_line.h"
#include "ui/qt/faces.h"
#include "ui/qt/multi_line_field.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/platform/platform.h"
#include "ui/qt/say_missing.h"
#include "ui/qt/single_line_field.h"
#include "ui/qt/window_icon.h"

namespace ui {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// In device-independent pixels: Qt's high-DPI scaling takes it from there.
QRect Geometry(PixelRect box) {
    return {box.left, box.top, box.width, box.height};
}

QRect Geometry(TwipsRect box) {
    return Geometry(Pixels(box));
}

QColor Resolve(Colour colour) {
    switch (colour.source) {
        case Colour::Source::Desktop:
            return platform::DesktopColour();
        case Colour::Source::WindowText:
            return QApplication::palette().color(QPalette::Text);
        case Colour::Source::Fixed:
            break;
    }
    return {colour.red, colour.green, colour.blue};
}

QFont Font(const FontDesign& design) {
    QFont font(Face(design.face));
    font.setPointSizeF(design.points);
    font.setBold(design.bold);
    return font;
}

void Paint(QWidget& widget, QPalette::ColorRole role, Colour colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, Resolve(colour));
    widget.setPalette(palette);
}

// Gives a freshly made control the name and place that every kind has.
template <typename Control>
Control* Place(QWidget& window, std::string_view name, TwipsRect geometry) {
    auto* control = new Control(&window);
    control->setObjectName(Text(name));
    control->setGeometry(Geometry(geometry));
    return control;
}

// The same for the kinds that show text.
template <typename Control>
Control* Place(QWidget& window, std::string_view name, TwipsRect geometry, const FontDesign& font) {
    auto* control = Place<Control>(window, name, geometry);
    control->setFont(Font(font));
    return control;
}

QWidget* AddField(QWidget& window, const FieldDesign& design) {
    QWidget* field = nullptr;
    if (design.lines == FieldLines::Single) {
        auto* line = Place<SingleLineField>(window, design.name, design.geometry, design.font);
        line->setText(Text(design.text));
        line->setCursorPosition(0);
        field = line;
    } else {
        auto* text = Place<MultiLineField>(window, design.name, design.geometry, design.font);
        text->setPlainText(Text(design.text));
        text->setTabChangesFocus(true);  // Tab moves on, as in every other control
        // The texts are laid out to fit their boxes; a scroll bar would only narrow the box
        // until a line wraps out of sight.
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // For the same reason nothing may scroll: a wheel notch or Ctrl+End would otherwise
        // take the first lines out of sight, with no scroll bar to show it or bring them back.
        QScrollBar* lines = text->verticalScrollBar();
        QObject::connect(lines, &QScrollBar::rangeChanged, lines,
                         [lines] { lines->setRange(0, 0); });
        // The whole box holds text, as it was laid out to: a frame would take the bottom
        // line's last pixels. On the window's own background the field needs no border.
        text->setFrameShape(QFrame::NoFrame);
        // A native multi-line edit keeps its text a pixel from the border; Qt's default margin
        // of four would wrap and push down lines laid out to fit.
        text->document()->setDocumentMargin(1);
        // Tab stops every eight average characters, as in a native edit.
        text->setTabStopDistance(8 * QFontMetricsF(text->font()).averageCharWidth());
        field = text;
    }
    field->setAccessibleName(Text(design.spokenName));
    Paint(*field, QPalette::Base, design.background);
    Paint(*field, QPalette::Text, design.textColour);
    return field;
}

QString ResourcePath(std::string_view file) {
    return QStringLiteral(":/pictures/") + Text(file);
}

QLabel* AddPicture(QWidget& window, const PictureDesign& design) {
    auto* picture = Place<PictureBox>(window, design.name, design.geometry);
    picture->setAccessibleName(Text(design.spokenName));
    picture->setAccessibleDescription(Text(design.spokenDescription));
    // Through Qt's pixmap cache: a window opened again does not decode its picture again.
    const QPixmap pixmap(ResourcePath(design.resource));
    if (pixmap.isNull()) {
        SayUndecodable(QStringLiteral("picture"), Text(design.resource));
    }
    if (design.fit == PictureFit::NaturalSize) {
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(pixmap);
    } else {
        picture->setAlignment(Qt::AlignCenter);
        picture->setPixmap(
            pixmap.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return picture;
}

QLabel* AddLabel(QWidget& window, const LabelDesign& design) {
    auto* label = Place<QLabel>(window, design.name, design.geometry, design.font);
    label->setText(Text(design.caption));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    Paint(*label, QPalette::Window, design.background);
    Paint(*label, QPalette::WindowText, design.text);
    return label;
}

QPushButton* AddButton(QWidget& window, const ButtonDesign& design) {
    auto* button = Place<QPushButton>(window, design.name, design.geometry, design.font);
    button->setText(Text(design.caption));
    Paint(*button, QPalette::Button, design.face);
    button->setDefault(design.role == ButtonRole::DefaultAndCancel);
    return button;
}

DottedLine* AddLine(QWidget& window, const LineDesign& design) {
    auto* line = new DottedLine(Geometry(LinePixels(design)), Resolve(design.colour), &window);
    line->setObjectName(Text(design.name));
    return line;
}

void SetUpFrame(QWidget& window, const WindowDesign& design) {
    window.setObjectName(Text(design.name));
    window.setWindowTitle(Text(design.title));
    // A fixed frame with a close box only: no resizing, no minimise, no maximise.
    window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    const QSize client(Pixels(design.clientSize.width), Pixels(design.clientSize.height));
    window.setFixedSize(client);
    if (design.clientPosition) {
        window.setGeometry(QRect(
            QPoint(Pixels(design.clientPosition->x), Pixels(design.clientPosition->y)), client));
    }
    if (!design.icon.empty()) {
        window.setWindowIcon(WindowIcon(ResourcePath(design.icon), window));
    }
    window.setAutoFillBackground(true);
    Paint(window, QPalette::Window, design.background);
    if (!design.taskbarButton) {
        platform::HideTaskbarButton(window);
    }
}

}  // namespace

QWidget* BuiltControls::Find(std::string_view name) const {
    const auto found = m_controls.find(name);
    return found != m_controls.end() ? found->second : nullptr;
}

void BuiltControls::Missing(std::string_view name, const char* kind) {
    qFatal("the window has no %s named %.*s", kind, static_cast<int>(name.size()), name.data());
}

BuiltControls BuildWindow(QWidget& window, const WindowDesign& design) {
    SetUpFrame(window, design);

    BuiltControls built;
    std::map<int, QWidget*> tabOrder;
    // In the walk's order, each kind above the one before it. Each control goes in under its
    // name and, if it takes the focus, in tab order.
    for (const Row& row : Rows(design)) {
        QWidget* control = Visit(
            row, [&](const FieldDesign& field) { return AddField(window, field); },
            [&](const PictureDesign& picture) -> QWidget* { return AddPicture(window, picture); },
            [&](const LabelDesign& label) -> QWidget* { return AddLabel(window, label); },
            [&](const ButtonDesign& button) -> QWidget* { return AddButton(window, button); },
            [&](const LineDesign& line) -> QWidget* { return AddLine(window, line); });
        built.Add(Name(row), control);
        if (const std::optional<int> tabIndex = TabIndex(row)) {
            tabOrder[*tabIndex] = control;
        }
    }

    QWidget* previous = nullptr;
    for (const auto& [index, control] : tabOrder) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
    if (!tabOrder.empty()) {
        tabOrder.begin()->second->setFocus();
    }
    return built;
}

}  // namespace ui
