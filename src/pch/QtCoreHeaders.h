// Precompiled once for every library without widgets: the Qt Core and standard headers most of
// their sources include, so each source stops parsing them anew. Sources still include what
// they use; this header only makes that cheap.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>
