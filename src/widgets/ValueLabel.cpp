#include "widgets/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocumentFragment>

namespace {

const char kCaption[] = "orvaneValueCaption";
const char kShadow[] = "orvaneShadow";

class ValueLabelAccessible : public QAccessibleWidget
{
public:
    explicit ValueLabelAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString caption = label->property(kCaption).toString();
        const QString value = shownText(label).simplified();
        return value.isEmpty() ? caption : caption + QLatin1Char(' ') + value;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (widget()->property(kShadow).toBool())
            s.invisible = true;
        return s;
    }
};

QAccessibleInterface *valueLabelFactory(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && (label->property(kCaption).isValid() || label->property(kShadow).isValid()))
        return new ValueLabelAccessible(label);
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

namespace {

// With a reader listening, Qt may have made the label's stock interface already (on its
// creation); that one goes, so the next look makes this one.
void replaceInterface(QLabel *label)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(label);
    if (face && !dynamic_cast<ValueLabelAccessible *>(face))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(face));
}

} // namespace

void readAsValue(QLabel *label, const QString &caption)
{
    installFactory();
    label->setAccessibleName(QString());
    label->setProperty(kCaption, caption);
    replaceInterface(label);
}

void readAsShadow(QLabel *shadow)
{
    installFactory();
    shadow->setProperty(kShadow, true);
    replaceInterface(shadow);
}

QString shownText(const QLabel *label)
{
    const QString text = label->text();
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}
