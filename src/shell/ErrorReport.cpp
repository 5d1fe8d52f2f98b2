#include "shell/ErrorReport.h"

#include "platform/Prompter.h"

void reportError(Prompter &prompter, const QString &description, int number)
{
    prompter.tell(QStringLiteral("%1 (%2)").arg(description).arg(number),
                  kApplicationTitle + QStringLiteral(" Error"), Prompter::Icon::Critical);
}
