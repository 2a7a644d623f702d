#include "storage/RandomSequenceCounter.h"

#include "common/RandomSource.h"
#include "common/Rounding.h"
#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/EngineError.h"
#include "storage/RecordSet.h"

#include <cmath>
#include <limits>

namespace {

constexpr const char* kCounterQuery = "SELECT * FROM temp WHERE dato= 'nummag' ";
constexpr float kStepScale = 1000.0f;
constexpr std::int32_t kWrap = 27000;

// The hi-score reset leaves table temp alone, so only a new file mends it.
const QString kCounterRemedy =
    QStringLiteral(". Resetting the hi-scores does not mend this; a new file does: move this one away, and %1")
        .arg(QLatin1String(kMovedAwayFileIsMadeAnew));

DatabaseError badCounter(const QString& file, const QString& what)
{
    return DatabaseError(file, what + kCounterRemedy);
}

// The stored value as the player can read it: bytes that are not printable
// text (a NUL in a blob, a control character) as \xNN.
QString printable(const QVariant& value)
{
    const bool blob = value.typeId() == QMetaType::QByteArray;
    const QString text = blob ? QString::fromLatin1(value.toByteArray()) : value.toString().trimmed();
    QString shown;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool escaped = code < 0x20 || code == 0x7f || (blob && code > 0x7e);
        shown += escaped ? QStringLiteral("\\x%1").arg(int(code), 2, 16, QLatin1Char('0')) : QString(c);
    }
    return shown;
}

}  // namespace

std::int16_t counterFromField(const QVariant& dato1, const QString& file)
{
    if (dato1.isNull()) {
        throw badCounter(file, QStringLiteral("the counter in table temp is empty"));
    }
    const QString text = dato1.toString().trimmed();
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value)) {
        throw badCounter(file, QStringLiteral("the counter in table temp is not a number: '%1'").arg(printable(dato1)));
    }
    const double whole = roundHalfEven(value);
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max()) {
        throw badCounter(file, QStringLiteral("the counter %1 is outside -32768..32767").arg(text));
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
        throw badCounter(file, QStringLiteral("table temp has no nummag row"));
    }
    const std::int16_t counter = counterFromField(rs.field(QStringLiteral("dato1")), file);
    const std::int32_t next = advanceCounter(counter, rnd);
    sqlText = counterUpdateSql(next);
    cn.execute(sqlText);
    return next;
}
