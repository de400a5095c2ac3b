#include "ranking/cp932.h"

#include <algorithm>
#include <iconv.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace troven::cp932 {
namespace {

// One glibc iconv conversion, closed when it goes out of scope.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts until the input is used up (true) or a sequence cannot be converted (false); the
    // pointers and counts are left on that sequence.
    bool convert(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        // iconv() never writes through its input pointer; the cast only meets its old signature.
        return iconv(cd_, const_cast<char**>(&in), &inLeft, &out, &outLeft) !=
               static_cast<std::size_t>(-1);
    }

  private:
    iconv_t cd_;
};

// Bytes of the UTF-8 sequence that starts with `lead` (1 for anything that is not a lead byte).
std::size_t utf8SequenceLength(char lead) {
    const auto b = static_cast<unsigned char>(lead);
    if (b >= 0xF0) return 4;
    if (b >= 0xE0) return 3;
    if (b >= 0xC0) return 2;
    return 1;
}

}  // namespace

Encoded encode(QStringView text) {
    const QByteArray utf8 = text.toUtf8();
    Encoded result;
    // Every character takes at most two bytes in code page 932 and at least one in UTF-8.
    result.bytes.resize(utf8.size() * 2);

    Converter converter("CP932", "UTF-8");
    const char* in = utf8.constData();
    auto inLeft = static_cast<std::size_t>(utf8.size());
    char* const begin = result.bytes.data();
    char* out = begin;
    auto outLeft = static_cast<std::size_t>(result.bytes.size());
    while (!converter.convert(in, inLeft, out, outLeft)) {
        // The input is whole UTF-8, so a whole character lies here: note it and go on after it.
        const std::size_t length = std::min(utf8SequenceLength(*in), inLeft);
        result.unencodable += QString::fromUtf8(in, static_cast<qsizetype>(length));
        in += length;
        inLeft -= length;
    }
    result.bytes.truncate(out - begin);
    return result;
}

QString decode(QByteArrayView bytes) {
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8
    // A byte or byte pair of code page 932 takes at most three bytes in UTF-8, as does U+FFFD for
    // a byte that cannot be decoded; so three bytes of room per input byte never run out.
    QByteArray utf8(bytes.size() * 3, Qt::Uninitialized);

    Converter converter("UTF-8", "CP932");
    const char* in = bytes.data();
    auto inLeft = static_cast<std::size_t>(bytes.size());
    char* const begin = utf8.data();
    char* out = begin;
    auto outLeft = static_cast<std::size_t>(utf8.size());
    while (inLeft > 0 && !converter.convert(in, inLeft, out, outLeft)) {
        // An invalid or cut-off sequence: its first byte becomes U+FFFD, the rest is read again.
        out = std::copy(kReplacement.begin(), kReplacement.end(), out);
        outLeft -= kReplacement.size();
        ++in;
        --inLeft;
    }
    utf8.truncate(out - begin);
    return QString::fromUtf8(utf8);
}

}  // namespace troven::cp932
