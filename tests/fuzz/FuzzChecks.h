// The properties the fuzz targets check, one check per reader or writer of outside data (see
// FuzzChecks.cpp for how each reads its input). The same checks run under libFuzzer
// (tools/fuzz.sh) and, for the kept inputs, in the normal test suite (tst_fuzzregressions), so
// a finding stays a test once it is fixed.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace FuzzChecks {

QStringList names();
// Empty when the properties of the named check hold for this input, else what went wrong.
QString check(const QString &name, QByteArrayView input);

} // namespace FuzzChecks
