#include "support/AccessibleWalk.h"

#include "widgets/ValueLabel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <utility>

namespace {

QString describe(const QObject *object)
{
    const QString name = object->objectName();
    return QString::fromLatin1(object->metaObject()->className())
        + (name.isEmpty() ? QString() : QStringLiteral(" ") + name);
}

// Qt's own parts of a composite control (a calendar's buttons, a spin box's edit) are read
// through the control.
bool qtInternal(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget; w && w != window; w = w->parentWidget())
        if (w->objectName().startsWith(QLatin1String("qt_"))
            || qobject_cast<const QComboBox *>(w->parentWidget())
            || qobject_cast<const QAbstractSpinBox *>(w->parentWidget()))
            return true;
    return false;
}

bool interactive(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QTextEdit *>(w)
        || qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractSlider *>(w);
}

QString accessible(QWidget *w, QAccessible::Text text)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(text).simplified() : QString();
}

bool hiddenFromReaders(QWidget *w)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
    return !face || face->state().invisible;
}

QChar accessKey(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

QString withoutAmpersands(QString text)
{
    return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

} // namespace

AccessibleWalk AccessibleWalk::of(QWidget *window)
{
    AccessibleWalk walk;
    walk.walk(window);
    return walk;
}

void AccessibleWalk::walk(QWidget *window)
{
    QHash<QChar, QString> keys;
    // A fault seen on an earlier walk of the same window is told once.
    const auto fault = [this](const QString &text) {
        if (!faults.contains(text))
            faults << text;
    };
    const auto takeKey = [&](const QString &text, const QString &owner) {
        const QChar key = accessKey(text);
        if (key.isNull())
            return;
        if (keys.contains(key) && keys.value(key) != owner)
            fault(QStringLiteral("%1: access key %2 of \"%3\" is also \"%4\"'s")
                      .arg(window->objectName(), key, withoutAmpersands(text), keys.value(key)));
        keys.insert(key, withoutAmpersands(text));
    };

    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window || qtInternal(w, window))
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const QString shown = withoutAmpersands(shownText(label)).simplified();
            if (shown.isEmpty() || hiddenFromReaders(w))
                continue;
            if (!m_seen.contains(w))
                ++labels;
            m_seen.insert(w);
            if (!accessible(w, QAccessible::Name).contains(shown))
                fault(describe(w)
                      + QStringLiteral(": shows \"%1\" but is read as \"%2\"")
                            .arg(shown, accessible(w, QAccessible::Name)));
            if (shownText(label).count(u'\n') >= 3)
                fault(describe(w) + QStringLiteral(": a document shown as a label"));
            if (label->buddy())
                takeKey(label->text(), describe(label->buddy()));
            continue;
        }
        if (!interactive(w))
            continue;
        if (!m_seen.contains(w))
            ++controls;
        m_seen.insert(w);
        if (accessible(w, QAccessible::Name).isEmpty())
            fault(describe(w) + QStringLiteral(": no name"));
        // A read-only status line is read, not typed in; a tool bar's buttons repeat menu
        // commands, which the keyboard reaches through the menus.
        const auto *edit = qobject_cast<const QLineEdit *>(w);
        const bool exempt = (edit && edit->isReadOnly())
            || (qobject_cast<const QToolButton *>(w)
                && qobject_cast<const QToolBar *>(w->parentWidget()));
        if (w->isEnabled() && !(w->focusPolicy() & Qt::TabFocus) && !exempt)
            fault(describe(w) + QStringLiteral(": not reached by Tab"));
        const bool document = qobject_cast<QTextEdit *>(w) || qobject_cast<QPlainTextEdit *>(w);
        if (document && QAccessible::queryAccessibleInterface(w)->role() == QAccessible::StaticText)
            fault(describe(w) + QStringLiteral(": a document exposed as a label"));
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            takeKey(button->text(), describe(w));
            // A dialog's captioned buttons are pressed with Alt and a letter too.
            const bool dialog = window->objectName() != QLatin1String("Form1") && !exempt;
            if (dialog && !button->text().isEmpty() && accessKey(button->text()).isNull())
                fault(describe(w)
                      + QStringLiteral(": \"%1\" has no access key").arg(button->text()));
        }
    }

    // The menu bar's titles share the window's keys; each menu's items are apart.
    const std::function<void(QMenu *)> walkMenu = [&](QMenu *menu) {
        QHash<QChar, QString> items;
        for (QAction *action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            ++menuItems;
            const QChar key = accessKey(action->text());
            if (!key.isNull() && items.contains(key))
                fault(QStringLiteral("menu %1: access key %2 of \"%3\" is also \"%4\"'s")
                          .arg(withoutAmpersands(menu->title()), key,
                               withoutAmpersands(action->text()), items.value(key)));
            items.insert(key, withoutAmpersands(action->text()));
            if (action->menu())
                walkMenu(action->menu());
        }
    };
    auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
    const bool menusOnce = bar && !std::exchange(m_menusWalked, true);
    for (QAction *action : bar ? bar->actions() : QList<QAction *>()) {
        if (!action->isVisible())
            continue;
        takeKey(action->text(), QStringLiteral("menu ") + withoutAmpersands(action->text()));
        if (accessKey(action->text()).isNull())
            fault(QStringLiteral("menu %1: no access key").arg(action->text()));
        if (menusOnce && action->menu())
            walkMenu(action->menu());
    }
}

QString AccessibleWalk::summary(const QString &window) const
{
    return QStringLiteral("%1: %2 controls, %3 labels, %4 menu items checked, %5 faults")
        .arg(window)
        .arg(controls)
        .arg(labels)
        .arg(menuItems)
        .arg(faults.size());
}
