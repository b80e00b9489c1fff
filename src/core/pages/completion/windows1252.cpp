#include "pages/completion/windows1252.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace korvalde {

namespace {

// Bytes of the UTF-8 sequence that starts with `lead`; Qt's UTF-8 is always well formed.
int utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

class Converter {
public:
    Converter() : handle_(iconv_open("WINDOWS-1252", "UTF-8"))
    {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert to WINDOWS-1252");
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    QByteArray convert(const QByteArray &utf8)
    {
        QByteArray input = utf8;
        // Every character becomes one byte, so the output never outgrows the input.
        QByteArray output(input.size(), '\0');
        char *in = input.data();
        size_t inLeft = static_cast<size_t>(input.size());
        char *out = output.data();
        size_t outLeft = static_cast<size_t>(output.size());
        while (inLeft > 0) {
            if (iconv(handle_, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1))
                break;
            if (errno != EILSEQ)
                throw std::runtime_error("iconv stopped in the middle of a character");
            // A character without a place in the code page: a "?" stands for it.
            const size_t skipped =
                std::min(inLeft, static_cast<size_t>(utf8SequenceLength(static_cast<unsigned char>(*in))));
            in += skipped;
            inLeft -= skipped;
            *out++ = '?';
            --outLeft;
        }
        output.truncate(output.size() - static_cast<qsizetype>(outLeft));
        return output;
    }

private:
    iconv_t handle_;
};

} // namespace

QByteArray toWindows1252(const QString &text)
{
    Converter converter;
    // Composed first: a letter typed with a combining mark has its place in the code page
    // only as the one precomposed character.
    return converter.convert(text.normalized(QString::NormalizationForm_C).toUtf8());
}

} // namespace korvalde
