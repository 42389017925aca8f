#include "library/clip_name.h"

#include <QStringList>

namespace {

constexpr int LongestName = 40;
constexpr int LongestTitle = 80;

// Letters that do not come apart into a plain letter and an accent.
QString plain_letters(QChar c)
{
    switch (c.unicode()) {
    case 0xDF: return QStringLiteral("ss");
    case 0xE6:
    case 0xC6: return QStringLiteral("ae");
    case 0xF8:
    case 0xD8: return QStringLiteral("o");
    case 0x153:
    case 0x152: return QStringLiteral("oe");
    case 0xF0:
    case 0xD0: return QStringLiteral("d");
    case 0xFE:
    case 0xDE: return QStringLiteral("th");
    case 0x141:
    case 0x142: return QStringLiteral("l");
    default: return QString(c).normalized(QString::NormalizationForm_D);
    }
}

}  // namespace

TitleCheck check_title(const QString& typed)
{
    TitleCheck check;
    // Curly quotes and dashes from word processors have plain forms the
    // sequence files can hold; other letters outside them cannot be stored.
    QString title = typed.simplified();
    title.replace(QChar(0x2018), QLatin1Char('\'')).replace(QChar(0x2019), QLatin1Char('\''));
    title.replace(QChar(0x201C), QLatin1Char('"')).replace(QChar(0x201D), QLatin1Char('"'));
    title.replace(QChar(0x2013), QLatin1Char('-')).replace(QChar(0x2014), QLatin1Char('-'));
    check.title = title;
    bool hasLetter = false;
    // Whole characters, so that an emoji (two halves in UTF-16) is named as itself.
    for (const uint code : title.toUcs4()) {
        if (code > 0xFF) {
            const char32_t character = code;
            check.problem =
                QStringLiteral("The title cannot use the character \"%1\" (U+%2): titles are kept "
                               "as 8-bit text. Please use letters of Western European languages "
                               "only.")
                    .arg(QString::fromUcs4(&character, 1),
                         QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper());
            return check;
        }
        hasLetter = hasLetter || QChar::isLetterOrNumber(code);
    }
    if (!hasLetter)
        check.problem = QStringLiteral("Please type a title with at least one letter or digit.");
    else if (title.size() > LongestTitle)
        check.problem = QStringLiteral("Please keep the title to %1 characters or fewer.").arg(LongestTitle);
    return check;
}

const QStringList& program_file_names()
{
    static const QStringList names = {"aobj_log.jpg", "aobj_gong.wav", "aobj_tv.jpg",  "aobj_thr.jpg",
                                      "aobj_hnd.jpg", "aobj_cal.jpg",  "aobj_clk.wav", "aobj_prs.wav",
                                      "aobj_nul.ico", "aobj_gid.txt",  "timer.mpg"};
    return names;
}

bool is_program_name(const QString& name)
{
    return name.startsWith(QLatin1String("aobj"), Qt::CaseInsensitive)
        || name.compare(QLatin1String("timer"), Qt::CaseInsensitive) == 0;
}

QString clip_name_for(const QString& title, const std::function<bool(const QString&)>& taken)
{
    QString base;
    for (const QChar c : title) {
        for (const QChar p : plain_letters(c)) {
            if (p.unicode() < 0x80 && p.isLetterOrNumber())
                base += p.toLower();
            else if (p.unicode() < 0x80 && !base.endsWith(QLatin1Char('_')))
                base += QLatin1Char('_');  // accents (0x300 and up) just fall away
        }
    }
    base = base.left(LongestName);
    while (base.endsWith(QLatin1Char('_')))
        base.chop(1);
    while (base.startsWith(QLatin1Char('_')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("clip");
    else if (base.startsWith(QLatin1String("aobj")))
        base.prepend(QStringLiteral("clip_"));
    QString name = base;
    for (int n = 2; is_program_name(name) || taken(name); ++n)
        name = base + QLatin1Char('_') + QString::number(n);
    return name;
}
