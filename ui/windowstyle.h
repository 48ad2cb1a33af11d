#pragma once

#include <QPalette>
#include <QProxyStyle>

class QStyleOptionButton;

// What the window needs of whichever style and colour scheme the desktop brings: button faces
// in their own colours, and text that stays legible on the colours the window fixes.
class WindowStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Wraps a fresh instance of the application's current style.
    explicit WindowStyle(QObject *parent);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    [[nodiscard]] QRect subElementRect(SubElement element, const QStyleOption *option,
                                       const QWidget *widget) const override;

    // A fixed background with dark text in every colour group: a dark scheme's light text
    // would be unreadable on the window's light colours.
    [[nodiscard]] static QPalette fixedColours(QPalette palette, QPalette::ColorRole background,
                                               QPalette::ColorRole text, QColor colour);

    // The system's colours, but text as legible when the window or control is inactive as
    // when it is active; some styles grey it out to below a readable contrast.
    [[nodiscard]] static QPalette activeText(QPalette palette);

private:
    void drawFace(const QStyleOptionButton &button, QPainter *painter) const;
};
