#include "CCalculatorDlg.h"

#include "CIconPushButton.h"
#include "UiScale.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include <algorithm>

namespace {

const QColor kTopLineBackground(192, 192, 192);
const QColor kTopLineText(0, 0, 0);
const QColor kDisplayBackground(0, 0, 240);
const QColor kDisplayText(255, 255, 255);
const QColor kKeyBackground(255, 255, 255);
const QColor kHotKeyBackground(225, 235, 250);
const QColor kDigitText(255, 0, 0);
const QColor kOperatorText(0, 0, 255);

// Key pitch and size in dialog units; the pad is 77 units wide.
constexpr double kKeySize = 13;
constexpr double kPadWidth = 77;
constexpr double kPadHeight = 84;
constexpr double kButtonRowHeight = 15;

QLabel* CreateStatic(QWidget* parent, const QString& objectName, const QColor& background, const QColor& text,
                     Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFrameShape(QFrame::Box);
    label->setAutoFillBackground(true);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setIndent(DialogUnitsX(1));
    QPalette colors = label->palette();
    colors.setColor(QPalette::Window, background);
    colors.setColor(QPalette::WindowText, text);
    label->setPalette(colors);
    return label;
}

} // namespace

CCalculatorDlg::CCalculatorDlg(const QString& title, const QString& topLine, double start, QWidget* parent)
    : QDialog(parent), m_calculator(start)
{
    setObjectName(QStringLiteral("calculator"));
    setWindowTitle(title);
    setFont(ScaledFont(10));

    m_topLine = CreateStatic(this, QStringLiteral("topLine"), kTopLineBackground, kTopLineText, Qt::AlignLeft);
    m_topLine->setText(topLine);
    m_topLine->setGeometry(DialogUnitsRect(4, 1, 69, 11));
    m_display = CreateStatic(this, QStringLiteral("display"), kDisplayBackground, kDisplayText, Qt::AlignRight);
    m_displayFont = ScaledFont(11, true);
    m_display->setGeometry(DialogUnitsRect(4, 13, 69, 11));
    CreateKeys();

    auto* ok = new CIconPushButton(CIconFactory::Kind::Confirm, QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DialogUnitsRect(4, kPadHeight - 1, 34, 12));
    connect(ok, &QPushButton::clicked, this, &CCalculatorDlg::Confirm);
    auto* cancel = new CIconPushButton(CIconFactory::Kind::Cancel, QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(DialogUnitsRect(39, kPadHeight - 1, 34, 12));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (CIconPushButton* button : {ok, cancel}) {
        button->SetIconSize(12);
        button->setFont(ScaledFont(9));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
    }

    WidenForTexts();
    UpdateDisplay();
}

// The pad is narrow; a longer title or top line (a product's code) widens it rather than being
// cut, the keys staying centred under the wider lines.
void CCalculatorDlg::WidenForTexts()
{
    const int padWidth = DialogUnitsX(kPadWidth);
    // Room for the title bar's icon and buttons beside the title.
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle()) + Scaled(110);
    const int lineWidth = m_topLine->fontMetrics().horizontalAdvance(m_topLine->text()) + 2 * m_topLine->indent() +
                          2 * m_topLine->frameWidth() + DialogUnitsX(8);
    const int extra = std::max({0, titleWidth - padWidth, lineWidth - padWidth});
    if (extra > 0) {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            child->move(child->x() + extra / 2, child->y());
        }
        for (QLabel* line : {m_topLine, m_display}) {
            line->setGeometry(line->x() - extra / 2, line->y(), line->width() + extra, line->height());
        }
    }
    setFixedSize(padWidth + extra, DialogUnitsY(kPadHeight + kButtonRowHeight));
}

std::optional<double> CCalculatorDlg::Run(const QString& title, const QString& topLine, double start, QWidget* parent)
{
    CCalculatorDlg dialog(title, topLine, start, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Result();
}

void CCalculatorDlg::CreateKeys()
{
    using Op = CCalculator::Operator;
    CCalculator& c = m_calculator;
    const double columns[] = {4, 18, 32, 46, 60};
    const double rows[] = {26, 40, 54, 68};
    const int digitRows[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int d = digitRows[row][column];
            AddKey(QString::number(d), QStringLiteral("key%1").arg(d), columns[column], rows[row], true,
                   [&c, d] { c.PressDigit(d); });
        }
    }
    AddKey(QStringLiteral("0"), QStringLiteral("key0"), columns[0], rows[3], true, [&c] { c.PressDigit(0); });
    AddKey(CCalculator::DecimalKeyText(), QStringLiteral("keyPoint"), columns[1], rows[3], true,
           [&c] { c.PressPoint(); });
    AddKey(QStringLiteral("+/-"), QStringLiteral("keyNegate"), columns[2], rows[3], true, [&c] { c.PressNegate(); });
    AddKey(QStringLiteral("/"), QStringLiteral("keyDivide"), columns[3], rows[0], false,
           [&c] { c.PressOperator(Op::Divide); });
    AddKey(QStringLiteral("C"), QStringLiteral("keyClear"), columns[4], rows[0], false, [&c] { c.PressClear(); });
    AddKey(QStringLiteral("*"), QStringLiteral("keyMultiply"), columns[3], rows[1], false,
           [&c] { c.PressOperator(Op::Multiply); });
    AddKey(QStringLiteral("CE"), QStringLiteral("keyClearEntry"), columns[4], rows[1], false,
           [&c] { c.PressClearEntry(); });
    AddKey(QStringLiteral("-"), QStringLiteral("keySubtract"), columns[3], rows[2], false,
           [&c] { c.PressOperator(Op::Subtract); });
    AddKey(QStringLiteral("%"), QStringLiteral("keyPercent"), columns[4], rows[2], false, [&c] { c.PressPercent(); });
    AddKey(QStringLiteral("+"), QStringLiteral("keyAdd"), columns[3], rows[3], false,
           [&c] { c.PressOperator(Op::Add); });
    AddKey(QStringLiteral("="), QStringLiteral("keyEquals"), columns[4], rows[3], false, [&c] { c.PressEquals(); });
}

CIconPushButton* CCalculatorDlg::AddKey(const QString& caption, const QString& objectName, double x, double y,
                                        bool isDigit, std::function<void()> press)
{
    auto* key = new CIconPushButton(caption, this);
    key->setObjectName(objectName);
    const QColor text = isDigit ? kDigitText : kOperatorText;
    key->SetColors(kKeyBackground, text, kHotKeyBackground, text);
    key->setFont(ScaledFont(10, true));
    key->setGeometry(DialogUnitsRect(x, y, kKeySize, kKeySize));
    // Keys never take the focus, so Enter always means OK and typed keys reach the pad.
    key->setFocusPolicy(Qt::NoFocus);
    key->setAutoDefault(false);
    connect(key, &QPushButton::clicked, this, [this, press = std::move(press)] { Press(press); });
    return key;
}

void CCalculatorDlg::Press(const std::function<void()>& key)
{
    if (m_confirming) {
        return;
    }
    key();
    UpdateDisplay();
}

void CCalculatorDlg::UpdateDisplay()
{
    m_display->setText(m_calculator.DisplayText());
    FitDisplayFont();
}

void CCalculatorDlg::FitDisplayFont()
{
    const int room = m_display->contentsRect().width() - 2 * m_display->indent();
    m_display->setFont(FontFittingWidth(m_displayFont, m_display->text(), room));
}

QString CCalculatorDlg::DisplayText() const
{
    return m_display->text();
}

void CCalculatorDlg::Confirm()
{
    if (m_confirming) {
        return;
    }
    m_confirming = true;
    if (!m_calculator.PressOk()) {
        Finish();
        return;
    }
    UpdateDisplay();
    m_display->repaint();
    QTimer::singleShot(CCalculator::kOkPauseMs, this, &CCalculatorDlg::Finish);
}

// An error hands back no number: a price or quantity is never set from "ERROR".
void CCalculatorDlg::Finish()
{
    const std::optional<double> result = m_calculator.Result();
    if (!result) {
        reject();
        return;
    }
    m_result = *result;
    accept();
}

void CCalculatorDlg::keyPressEvent(QKeyEvent* event)
{
    using Op = CCalculator::Operator;
    CCalculator& c = m_calculator;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Confirm();
        return;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        Press([&c, d = key - Qt::Key_0] { c.PressDigit(d); });
        return;
    }
    const QString text = event->text();
    const std::pair<QString, std::function<void()>> typed[] = {
        {QStringLiteral("."), [&c] { c.PressPoint(); }},
        {QStringLiteral(","), [&c] { c.PressPoint(); }},
        {CCalculator::DecimalKeyText(), [&c] { c.PressPoint(); }},
        {QStringLiteral("+"), [&c] { c.PressOperator(Op::Add); }},
        {QStringLiteral("-"), [&c] { c.PressOperator(Op::Subtract); }},
        {QStringLiteral("*"), [&c] { c.PressOperator(Op::Multiply); }},
        {QStringLiteral("/"), [&c] { c.PressOperator(Op::Divide); }},
        {QStringLiteral("%"), [&c] { c.PressPercent(); }},
        {QStringLiteral("="), [&c] { c.PressEquals(); }},
        {QStringLiteral("c"), [&c] { c.PressClear(); }},
        {QStringLiteral("C"), [&c] { c.PressClear(); }},
    };
    for (const auto& [character, press] : typed) {
        if (!text.isEmpty() && text == character) {
            Press(press);
            return;
        }
    }
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        Press([&c] { c.PressClearEntry(); });
        return;
    }
    QDialog::keyPressEvent(event);
}
