#include "TipTsv.h"

#include <QFile>
#include <QStringDecoder>

namespace {

const QString Header = QStringLiteral("Book\tChapter\tFrom\tTo\tCategory\tContent");
constexpr int FieldCount = 6;

// The limits the program itself puts on a new tip, so that every delivered tip
// could also have been typed in.
struct Range {
    const char *name;
    int low;
    int high;
};
constexpr Range BookRange{"book", 901, 966};
constexpr Range ChapterRange{"chapter", 1, 150};
constexpr Range FromRange{"first verse", 1, 176};
constexpr Range ToRange{"last verse", 1, 176};
constexpr Range CategoryRange{"category", 500, 531};

// Only plain decimal digits: a sign, blanks or a fraction in the data is a
// typing slip, not a number to be rounded into something else.
bool parseField(const QString &text, const Range &range, int &value, QString &reason)
{
    bool digitsOnly = !text.isEmpty() && text.size() <= 9;
    for (const QChar c : text)
        digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
    if (!digitsOnly) {
        reason = QStringLiteral("%1 \"%2\" is not a whole positive number").arg(QLatin1String(range.name), text);
        return false;
    }
    value = text.toInt();
    if (value < range.low || value > range.high) {
        reason = QStringLiteral("%1 %2 is outside %3..%4")
                     .arg(QLatin1String(range.name)).arg(value).arg(range.low).arg(range.high);
        return false;
    }
    return true;
}

bool parseLine(const QString &line, TsvTip &tip, QString &reason)
{
    if (line.isEmpty()) {
        reason = QStringLiteral("empty line");
        return false;
    }
    const QStringList fields = line.split(u'\t');
    if (fields.size() != FieldCount) {
        reason = QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(FieldCount);
        return false;
    }
    if (!parseField(fields[0], BookRange, tip.book, reason)
        || !parseField(fields[1], ChapterRange, tip.chapter, reason)
        || !parseField(fields[2], FromRange, tip.from, reason)
        || !parseField(fields[3], ToRange, tip.to, reason)
        || !parseField(fields[4], CategoryRange, tip.category, reason))
        return false;
    if (tip.from > tip.to) {
        reason = QStringLiteral("first verse %1 is after last verse %2").arg(tip.from).arg(tip.to);
        return false;
    }
    // Kept exactly as written: Chinese passages may begin with an ideographic space.
    tip.content = fields[5];
    if (tip.content.trimmed().isEmpty()) {
        reason = QStringLiteral("empty content");
        return false;
    }
    if (tip.content.contains(u'\r')) {
        reason = QStringLiteral("content holds a carriage return");
        return false;
    }
    return true;
}

TsvReadResult parseTipTsv(const QByteArray &data, const QString &fileLabel)
{
    TsvReadResult result;
    auto fail = [&](int lineNumber, const QString &reason) {
        result.errors << QStringLiteral("%1:%2: %3").arg(fileLabel).arg(lineNumber).arg(reason);
    };

    QList<QByteArray> lines = data.split('\n');
    // The newline that ends the last line does not start another one.
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    if (lines.isEmpty()) {
        fail(1, QStringLiteral("missing header line"));
        return result;
    }

    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        QByteArray raw = lines[i];
        // A file saved with CR LF line ends carries the same data.
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (i == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);

        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder.decode(raw);
        if (decoder.hasError()) {
            fail(lineNumber, QStringLiteral("not valid UTF-8"));
            continue;
        }
        if (i == 0) {
            if (line != Header)
                fail(lineNumber, QStringLiteral("wrong header, expected \"%1\"")
                                     .arg(QString(Header).replace(u'\t', QStringLiteral("<TAB>"))));
            continue;
        }
        TsvTip tip;
        QString reason;
        if (parseLine(line, tip, reason))
            result.tips.append(tip);
        else
            fail(lineNumber, reason);
    }
    return result;
}

} // namespace

TsvReadResult readTipTsv(const QString &path, const QString &fileLabel)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TsvReadResult result;
        result.errors << QStringLiteral("%1: cannot read: %2").arg(fileLabel, file.errorString());
        return result;
    }
    return parseTipTsv(file.readAll(), fileLabel);
}
