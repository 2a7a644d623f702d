#include "storage/RandomSequenceCounter.h"

#include "common/RandomSource.h"
#include "common/Rounding.h"
#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/RecordSet.h"

#include <cmath>
#include <limits>

namespace {

constexpr const char* kCounterQuery = "SELECT * FROM temp WHERE dato= 'nummag' ";
constexpr float kStepScale = 1000.0f;
constexpr std::int32_t kWrap = 27000;

}  // namespace

std::int16_t counterFromField(const QVariant& dato1, const QString& file)
{
    if (dato1.isNull()) {
        throw DatabaseError(file, QStringLiteral("the counter in table temp is empty"));
    }
    const QString text = dato1.toString().trimmed();
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        throw DatabaseError(file, QStringLiteral("the counter in table temp is not a number: '%1'").arg(text));
    }
    const double whole = roundHalfEven(value);
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max()) {
        throw DatabaseError(file, QStringLiteral("the counter %1 is outside -32768..32767").arg(text));
    }
    return std::int16_t(whole);
}

std::int32_t advanceCounter(std::int16_t counter, RandomSource& rnd)
{
    for (std::int32_t skipped = 0; skipped <= counter; ++skipped) {
        rnd.Rnd();
    }
    // The step is a float product, as in every other roll of the game; only the
    // sum is double.
    const float step = rnd.Rnd() * kStepScale;
    const auto next = std::int32_t(roundHalfEven(double(counter) + double(step)));
    // 27000 itself stays; the wrap only starts above it.
    return next > kWrap ? next - kWrap : next;
}

QString counterUpdateSql(std::int32_t newCounter)
{
    // No blank before WHERE: the statement is stored and compared exactly as
    // the game writes it.
    return QStringLiteral("UPDATE temp SET dato1='%1'WHERE dato= 'nummag'").arg(newCounter);
}

std::int32_t advanceRandomSequence(Connection& cn, RecordSet& rs, QString& sqlText, RandomSource& rnd,
                                   const QString& file)
{
    rs = cn.openRecordSet(QString::fromLatin1(kCounterQuery));
    if (rs.eof()) {
        throw DatabaseError(file, QStringLiteral("table temp has no nummag row"));
    }
    const std::int16_t counter = counterFromField(rs.field(QStringLiteral("dato1")), file);
    const std::int32_t next = advanceCounter(counter, rnd);
    sqlText = counterUpdateSql(next);
    cn.execute(sqlText);
    return next;
}
