#include "shell/ErrorReport.h"

#include "common/OrvaneError.h"
#include "platform/Prompter.h"

void reportError(Prompter &prompter, const QString &description, int number)
{
    prompter.tell(errorText(description, number), kApplicationTitle + QStringLiteral(" Error"),
                  Prompter::Icon::Critical);
}

void reportError(Prompter &prompter, const std::exception &error)
{
    if (const auto *own = dynamic_cast<const OrvaneError *>(&error))
        reportError(prompter, own->description(), own->number());
    else
        reportError(prompter, QString::fromLocal8Bit(error.what()), OrvaneError::InternalError);
}
