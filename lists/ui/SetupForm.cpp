#include "SetupForm.h"

#include "CColorEdit.h"
#include "CColorStatic.h"
#include "CIconPushButton.h"
#include "UiScale.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kFormFontStretch = 90;
} // namespace

QWidget* AddScrollingPage(QDialog& dialog, double widthUnits, double heightUnits)
{
    auto* page = new QWidget;
    page->setFixedSize(DialogUnitsRect(0, 0, widthUnits, heightUnits).size());
    QFont condensed = dialog.font();
    condensed.setStretch(kFormFontStretch);
    page->setFont(condensed);
    auto* scroller = new QScrollArea(&dialog);
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab goes from the last button back to the first field, not to the invisible scroller; the
    // scroller still brings the field with the focus into view.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(page);
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    const QSize available = dialog.screen()->availableGeometry().size();
    dialog.resize(page->width() + scroller->verticalScrollBar()->sizeHint().width(),
                  std::min(page->height(), available.height()));
    return page;
}

CColorStatic* AddFormLabel(QWidget* page, const QString& text, const QRect& place, const QColor& background,
                           const QColor& textColor)
{
    auto* label = new CColorStatic(text, page);
    label->SetColors(background, textColor);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setIndent(Scaled(2));
    label->setGeometry(place);
    return label;
}

CColorEdit* AddFormEdit(QWidget* page, const QString& objectName, const QRect& place, const QColor& background,
                        const QColor& textColor)
{
    auto* edit = new CColorEdit(page);
    edit->setObjectName(objectName);
    edit->SetColors(background, textColor);
    edit->setGeometry(place);
    return edit;
}

CIconPushButton* AddFormButton(QWidget* page, CIconFactory::Kind icon, const QString& caption,
                               const QString& objectName, const QRect& place)
{
    auto* button = new CIconPushButton(icon, caption, page);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    button->setGeometry(place);
    return button;
}

void ShowTextsFromStart(QWidget* parent)
{
    for (QLineEdit* field : parent->findChildren<QLineEdit*>()) {
        field->setCursorPosition(0);
    }
}

namespace {

QString CaptionText(const QLabel* label)
{
    QString text = label->text();
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text.trimmed();
}

// The caption left of the field on its line, nearest first; else the nearest one above it.
const QLabel* CaptionOf(const QWidget* field, const QList<QLabel*>& labels)
{
    const QRect place = field->geometry();
    const QLabel* left = nullptr;
    const QLabel* above = nullptr;
    for (const QLabel* label : labels) {
        const QRect caption = label->geometry();
        if (label->parentWidget() != field->parentWidget() || CaptionText(label).isEmpty()) {
            continue;
        }
        const int middle = caption.center().y();
        if (caption.right() <= place.left() + 2 && middle >= place.top() && middle <= place.bottom()) {
            if (left == nullptr || caption.right() > left->geometry().right()) {
                left = label;
            }
        } else if (caption.bottom() <= place.top() + 2 && caption.left() < place.right() &&
                   caption.right() > place.left()) {
            if (above == nullptr || caption.bottom() > above->geometry().bottom()) {
                above = label;
            }
        }
    }
    return left != nullptr ? left : above;
}

} // namespace

void NameFieldsByTheirCaptions(QWidget* page)
{
    const QList<QLabel*> labels = page->findChildren<QLabel*>();
    for (QWidget* field : page->findChildren<QWidget*>()) {
        const bool isField = qobject_cast<QLineEdit*>(field) != nullptr || qobject_cast<QComboBox*>(field) != nullptr ||
                             field->inherits("QAbstractScrollArea");
        if (!isField || !field->accessibleName().isEmpty() || qobject_cast<QComboBox*>(field->parentWidget())) {
            continue;
        }
        if (const QLabel* caption = CaptionOf(field, labels)) {
            field->setAccessibleName(CaptionText(caption));
        }
    }
}
