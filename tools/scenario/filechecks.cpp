#include "filechecks.h"

#include <QFile>

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace korvalde::scenario {

QString decodeWindows1252(const QByteArray &bytes)
{
    iconv_t converter = iconv_open("UTF-8", "WINDOWS-1252");
    if (converter == iconv_t(-1))
        return QString::fromLatin1(bytes);
    QByteArray input = bytes;
    QByteArray output(bytes.size() * 4 + 4, '\0');
    char *in = input.data();
    size_t inLeft = size_t(input.size());
    char *out = output.data();
    size_t outLeft = size_t(output.size());
    QString result;
    while (inLeft > 0) {
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // A byte Windows-1252 leaves undefined: show it as the replacement character.
        *out++ = '?';
        --outLeft;
        ++in;
        --inLeft;
    }
    iconv_close(converter);
    output.truncate(output.size() - qsizetype(outLeft));
    return QString::fromUtf8(output);
}

std::optional<QStringList> crlfLines(const QByteArray &content)
{
    if (!content.isEmpty() && !content.endsWith("\r\n"))
        return std::nullopt;
    QStringList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        const qsizetype end = content.indexOf("\r\n", start);
        const QByteArray line = content.mid(start, end - start);
        if (line.contains('\r') || line.contains('\n'))
            return std::nullopt;
        lines << decodeWindows1252(line);
        start = end + 2;
    }
    return lines;
}

std::optional<QByteArray> readPlainFile(const QString &path)
{
    // Without O_NONBLOCK, opening a FIFO waits until someone writes to it.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status {};
    QFile file;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace korvalde::scenario
