#include "windowstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace {

// Room left for the frame, the rounded corners and the focus ring that styles draw around a
// button's face: at most three pixels in the styles this program meets.
constexpr int FrameInset = 3;
// The caption may reach one pixel further. Some styles keep wide margins inside a button
// for a padding that a face filled from edge to edge has no use for, and the window's
// buttons are too small to spare it: Windows' native style left "Криптирай" too little room.
constexpr int TextInset = FrameInset - 1;

QColor blend(QColor from, QColor to, qreal share)
{
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * share,
                            from.greenF() + (to.greenF() - from.greenF()) * share,
                            from.blueF() + (to.blueF() - from.blueF()) * share);
}

// Pressed darkens and hover lightens the face only so far that dark text keeps a contrast of
// 4.5:1 even on pure red.
QColor faceColour(const QStyleOptionButton &button)
{
    const QColor face = button.palette.color(QPalette::Button);
    if (button.state & (QStyle::State_Sunken | QStyle::State_On))
        return blend(face, Qt::black, 0.07);
    if (button.state & QStyle::State_MouseOver)
        return blend(face, Qt::white, 0.3);
    return face;
}

} // namespace

WindowStyle::WindowStyle(QObject *parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(parent);
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !button) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The style draws its own frame and its pressed, hovered and focused looks; the face
    // inside is filled from the palette, which some styles take only as a hint or ignore.
    QStyleOptionButton frame = *button;
    frame.text.clear();
    frame.icon = QIcon();
    QProxyStyle::drawControl(CE_PushButton, &frame, painter, widget);
    drawFace(*button, painter);

    // Drawn here rather than by the style, which may add shadows or pick its own colour.
    QRect text = subElementRect(SE_PushButtonContents, button, widget);
    if (button->state & (State_Sunken | State_On)) {
        text.translate(pixelMetric(PM_ButtonShiftHorizontal, button, widget),
                       pixelMetric(PM_ButtonShiftVertical, button, widget));
    }
    painter->save();
    painter->setPen(button->palette.color(QPalette::ButtonText));
    painter->drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, button->text);
    painter->restore();
}

QRect WindowStyle::subElementRect(SubElement element, const QStyleOption *option, const QWidget *widget) const
{
    if (element == SE_PushButtonContents)
        return option->rect.adjusted(TextInset, TextInset, -TextInset, -TextInset);
    return QProxyStyle::subElementRect(element, option, widget);
}

void WindowStyle::drawFace(const QStyleOptionButton &button, QPainter *painter) const
{
    const QRect face = button.rect.adjusted(FrameInset, FrameInset, -FrameInset, -FrameInset);
    painter->fillRect(face, faceColour(button));
    if (button.state & (State_Sunken | State_On)) {
        // A shadow along the top and left edges, as a pressed key casts.
        const QColor shadow = button.palette.color(QPalette::Button).darker(160);
        painter->fillRect(QRect(face.topLeft(), QSize(face.width(), 1)), shadow);
        painter->fillRect(QRect(face.topLeft(), QSize(1, face.height())), shadow);
    }
    // The fill covers the focus marks that some styles draw inside the frame, and others mark
    // the focus too faintly on a coloured face: a keyboard user still needs to see which
    // button Space would press.
    if (button.state & State_HasFocus) {
        painter->save();
        painter->setPen(QPen(button.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
        painter->drawRect(face.adjusted(1, 1, -2, -2));
        painter->restore();
    }
}

QPalette WindowStyle::fixedColours(QPalette palette, QPalette::ColorRole background, QPalette::ColorRole text,
                                   QColor colour)
{
    palette.setColor(background, colour);
    palette.setColor(text, Qt::black);
    return palette;
}

QPalette WindowStyle::activeText(QPalette palette)
{
    palette.setColor(QPalette::Inactive, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    return palette;
}
