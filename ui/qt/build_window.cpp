// SPDX-License-Identifier: MIT
#include "ui/qt/build_window.h"

#include <QApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/qt/dotted_line.h"
#include "ui/qt/faces.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/platform/platform.h"
#include "ui/qt/say_missing.h"
#include "ui/qt/window_icon.h"

namespace ui {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Pixels(int twips) {
    return qRound(static_cast<double>(twips) / kTwipsPerPixel);
}

QPoint Pixels(TwipsPoint point) {
    return {Pixels(point.x), Pixels(point.y)};
}

QSize Pixels(TwipsSize size) {
    return {Pixels(size.width), Pixels(size.height)};
}

QRect Pixels(TwipsRect rect) {
    return {Pixels(rect.left), Pixels(rect.top), Pixels(rect.width), Pixels(rect.height)};
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
    control->setGeometry(Pixels(geometry));
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
        auto* line = Place<QLineEdit>(window, design.name, design.geometry, design.font);
        line->setMaxLength(kFieldCharacters);
        line->setText(Text(design.text));
        line->setCursorPosition(0);
        field = line;
    } else {
        auto* text = Place<QPlainTextEdit>(window, design.name, design.geometry, design.font);
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
    auto* line = new DottedLine(QLine(Pixels(design.from), Pixels(design.to)),
                                Resolve(design.colour), &window);
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
    const QSize client = Pixels(design.clientSize);
    window.setFixedSize(client);
    if (design.clientPosition) {
        window.setGeometry(QRect(Pixels(*design.clientPosition), client));
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
    // Each row's control goes in under its name and, if the row has a tab index, in tab order.
    const auto addRows = [&](const auto& rows, auto add) {
        for (const auto& row : rows) {
            QWidget* control = add(window, row);
            built.Add(row.name, control);
            if constexpr (requires { row.tabIndex; }) {
                tabOrder[row.tabIndex] = control;
            }
        }
    };
    addRows(design.fields, AddField);
    addRows(design.pictures, AddPicture);
    addRows(design.labels, AddLabel);
    addRows(design.buttons, AddButton);
    addRows(design.lines, AddLine);

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
