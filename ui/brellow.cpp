#include "brellow.h"

#include "platform.h"
#include "windowstyle.h"
#include "windowtexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>

#include "icons/hill-cipher-64.xpm"
#include "icons/hill-cipher.xpm"

using namespace WindowLayout;

namespace {

QString captionOf(const Control &entry)
{
    return WindowControls::toWidgetText(QString::fromUtf8(entry.caption));
}

QLabel *makeLabel(const Control &entry, QWidget *parent)
{
    auto *label = new QLabel(captionOf(entry), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((entry.settings & Centred) ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setPalette(WindowStyle::fixedColours(label->palette(), QPalette::Window, QPalette::WindowText,
                                                QColor(entry.colour)));
    return label;
}

QPushButton *makeButton(const Control &entry, QWidget *parent)
{
    auto *button = new QPushButton(captionOf(entry), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setPalette(WindowStyle::fixedColours(button->palette(), QPalette::Button, QPalette::ButtonText,
                                                 QColor(entry.colour)));
    return button;
}

QLineEdit *makeLineBox(const Control &entry, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    WindowControls::limitTyping(box);
    box->setReadOnly(entry.settings & ReadOnly);
    box->setPalette(WindowStyle::activeText(box->palette()));
    return box;
}

QPlainTextEdit *makeTextBox(const Control &entry, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    // Placed before it is filled, so the text is laid out once, at the box's own width.
    box->setGeometry(entry.geometry());
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(entry.settings & ReadOnly);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A read-only box has no use for a typed Tab; let it move the focus on.
    box->setTabChangesFocus(true);
    box->setPalette(WindowStyle::activeText(box->palette()));
    box->setPlainText(WindowControls::toWidgetText(entry.content == Content::Explanation ? WindowTexts::explanation()
                                                                            : WindowTexts::quote()));
    return box;
}

QListWidget *makeList(const Control &entry, QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    // Every row is one line of the same font, so one row's size serves for all.
    list->setUniformItemSizes(true);
    list->setPalette(WindowStyle::activeText(list->palette()));
    if (entry.content == Content::LetterTable)
        list->addItems(WindowTexts::letterTable());
    return list;
}

qint16 selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? qint16(-1) : static_cast<qint16>(list->row(selected.first()));
}

void selectRow(QListWidget *list, int row)
{
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(row);
    }
}

} // namespace

Brellow::Brellow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_worksheet(m_controls)
{
    setObjectName(QStringLiteral("Brellow"));
    setWindowTitle(WindowLayout::windowTitle());
    if (Platform::showsWindowIcon()) {
        // Both sizes are compiled in: screens at twice the pixel density get art drawn for them.
        QIcon icon { QPixmap(hill_cipher_xpm) };
        icon.addPixmap(QPixmap(hill_cipher_64_xpm));
        setWindowIcon(icon);
    }
    setFixedSize(WindowLayout::clientSize());
    setFont(WindowLayout::font());

    buildControls();
    setFocusOrder();
    nameControls();
    m_controls.log = Text1[0];
    m_controls.message = Text2[0];
    m_controls.cipher = Text2[1];
    m_controls.lists = { List1[1], List1[2], List1[3] };
    Form_Load();
    connectEvents();
}

void Brellow::buildControls()
{
    for (const Control &entry : controls()) {
        QWidget *widget = nullptr;
        switch (entry.array) {
        case ControlArray::Text1:
            widget = Text1[entry.index] = makeTextBox(entry, this);
            break;
        case ControlArray::Text2:
            widget = Text2[entry.index] = makeLineBox(entry, this);
            break;
        case ControlArray::List1:
            widget = List1[entry.index] = makeList(entry, this);
            break;
        case ControlArray::Command1:
            widget = Command1[entry.index] = makeButton(entry, this);
            break;
        case ControlArray::Label1:
            widget = Label1[entry.index] = makeLabel(entry, this);
            break;
        case ControlArray::Label2:
            widget = Label2[entry.index] = makeLabel(entry, this);
            break;
        }
        widget->setObjectName(WindowLayout::objectName({ entry.array, entry.index }));
        widget->setGeometry(entry.geometry());
        if (entry.settings & Hidden) {
            widget->setFocusPolicy(Qt::NoFocus);
            widget->hide();
        }
    }
    // Made after the buttons, so that it outlives them when the window's children are deleted.
    auto *style = new WindowStyle(this);
    for (QPushButton *button : Command1)
        button->setStyle(style);
    // Captions sit beneath the controls they name, where the two overlap.
    for (QLabel *label : Label1)
        label->lower();
    for (QLabel *label : Label2)
        label->lower();
}

QWidget *Brellow::control(ControlRef ref) const
{
    const auto index = static_cast<std::size_t>(ref.index);
    switch (ref.array) {
    case ControlArray::Text1:
        return Text1[index];
    case ControlArray::Text2:
        return Text2[index];
    case ControlArray::List1:
        return List1[index];
    case ControlArray::Command1:
        return Command1[index];
    case ControlArray::Label1:
        return Label1[index];
    case ControlArray::Label2:
        return Label2[index];
    }
    return nullptr;
}

void Brellow::setFocusOrder()
{
    const auto order = focusOrder();
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(control(order[i]), control(order[i + 1]));
    control(order.front())->setFocus();
}

void Brellow::nameControls()
{
    for (const CaptionLink &link : captionLinks()) {
        auto *label = static_cast<QLabel *>(control(link.label));
        QWidget *named = control(link.control);
        label->setBuddy(named);
        named->setAccessibleName(QString::fromUtf8(link.spokenName));
    }
    Text1[0]->setAccessibleName(logAccessibleName());
}

void Brellow::connectEvents()
{
    for (qint16 i = 0; i < qint16(Command1.size()); ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    for (qint16 i = 0; i < qint16(List1.size()); ++i) {
        connect(List1[i], &QListWidget::itemSelectionChanged, this, [this, i] {
            if (!m_handling)
                List1_Click(i);
        });
    }
}

void Brellow::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), QColor(Background));
}

void Brellow::Form_Load()
{
    ClearTrigramLists();
    m_worksheet.LoadMatrices();
}

void Brellow::ClearTrigramLists()
{
    for (const TrigramList list : { TrigramList::Cipher, TrigramList::Decoded, TrigramList::Plain })
        m_controls.clearList(list);
}

void Brellow::Command1_Click(qint16 index)
{
    const QScopedValueRollback<bool> handling(m_handling, true);
    switch (index) {
    case 0:
        m_worksheet.RunEncryption();
        break;
    case 1:
        ClearTrigramLists();
        m_controls.setText(TextBox::Log, QString());
        m_controls.setText(TextBox::Message, QString());
        m_controls.setText(TextBox::Cipher, QString());
        break;
    default:
        break;
    }
}

void Brellow::List1_Click(qint16 index)
{
    if (index < 1 || index >= qint16(List1.size()))
        return;
    const QScopedValueRollback<bool> handling(m_handling, true);
    const qint16 target = selectedRow(List1[index]);
    for (std::size_t k = 1; k <= 3; ++k)
        selectRow(List1[k], target);
}
