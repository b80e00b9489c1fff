#include "reopen/sheetfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvalde::reopen {

namespace {

// Windows-1252 gives bytes 0x80 to 0x9F letters of their own; five of them it leaves
// undefined, and those stay U+FFFD, which no saved sheet holds.
QString fromWindows1252(const QByteArray &bytes)
{
    static const char16_t kHighControls[32] = {
        u'€',   0xFFFD, u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0xFFFD, u'Ž', 0xFFFD,
        0xFFFD, u'‘',   u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0xFFFD, u'ž', u'Ÿ',
    };
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += (code >= 0x80 && code < 0xA0) ? QChar(kHighControls[code - 0x80]) : QChar(code);
    }
    return text;
}

} // namespace

std::optional<QStringList> readSheetLines(const QString &path)
{
    // The file is asked about once it is open, not before: a pipe or a device put in its
    // place between asking and opening could block the program for good. Opening without
    // blocking returns at once even for a pipe nobody writes to.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    QFile file;
    struct stat status {};
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > kLargestSheet)
        return std::nullopt;
    // The file may grow while it is read: one byte more than allowed tells.
    const QByteArray bytes = file.read(kLargestSheet + 1);
    if (bytes.size() > kLargestSheet || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return sheetLines(bytes);
}

QStringList sheetLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        qsizetype lineEnd = end;
        if (lineEnd > start && end < bytes.size() && bytes[lineEnd - 1] == '\r')
            --lineEnd;
        lines << fromWindows1252(bytes.mid(start, lineEnd - start));
        start = end + 1;
    }
    return lines;
}

} // namespace korvalde::reopen
