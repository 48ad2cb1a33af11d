#pragma once

#include "cipherworksheet.h"
#include "windowcontrols.h"
#include "windowlayout.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The program's one window: a fixed layout of control arrays around one CipherWorksheet.
class Brellow : public QWidget
{
    Q_OBJECT

public:
    explicit Brellow(QWidget *parent = nullptr);

    std::array<QPlainTextEdit *, 2> Text1 {};
    std::array<QLineEdit *, 2> Text2 {};
    std::array<QListWidget *, 4> List1 {};
    std::array<QPushButton *, 2> Command1 {};
    std::array<QLabel *, 5> Label1 {};
    std::array<QLabel *, 2> Label2 {};

    [[nodiscard]] const CipherWorksheet &worksheet() const { return m_worksheet; }

    void Form_Load();
    void Command1_Click(qint16 index);
    void List1_Click(qint16 index);
    void ClearTrigramLists();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildControls();
    void setFocusOrder();
    void nameControls();
    void connectEvents();
    [[nodiscard]] QWidget *control(WindowLayout::ControlRef ref) const;

    WindowControls m_controls;
    CipherWorksheet m_worksheet;
    // Set while a handler runs, so selection changes made by the program itself are not
    // taken for the user's.
    bool m_handling = false;
};
