#include "cli/Uitvoerbestand.h"

#include "common/Exception.h"
#include "common/Text.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vkt::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kBuffergrootte = std::size_t{1} << 16;

// The permissions a new file gets from the process's umask.
mode_t NieuweBestandsrechten()
{
    const mode_t masker = umask(0);
    umask(masker);
    return 0666 & ~masker;
}

} // namespace

TBestandsbuffer::TBestandsbuffer() : buffer_(kBuffergrootte)
{
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

bool TBestandsbuffer::Schrijf()
{
    const char* begin = pbase();
    const char* const einde = pptr();
    while (fout_ == 0 && begin < einde) {
        const ssize_t geschreven = ::write(fd_, begin, static_cast<std::size_t>(einde - begin));
        if (geschreven < 0 && errno != EINTR)
            fout_ = errno;
        else if (geschreven > 0)
            begin += geschreven;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return fout_ == 0;
}

TBestandsbuffer::int_type TBestandsbuffer::overflow(int_type teken)
{
    if (!Schrijf())
        return traits_type::eof();
    if (!traits_type::eq_int_type(teken, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(teken);
        pbump(1);
    }
    return traits_type::not_eof(teken);
}

int TBestandsbuffer::sync() { return Schrijf() ? 0 : -1; }

TUitvoerbestand::TUitvoerbestand(const std::string& pad) : pad_(pad), doel_(pad), stroom_(&buffer_)
{
    std::error_code fout;
    const fs::file_status status = fs::status(pad, fout);
    if (fs::is_directory(status))
        throw Exception(CitaatPad(pad_) + " is een map; geef de naam van een bestand.");
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        rechtstreeks_ = true;
        fd_ = ::open(pad.c_str(), O_WRONLY | O_CLOEXEC);
    } else {
        mode_t rechten = NieuweBestandsrechten();
        // Putting a file in the place of one the user may not write would
        // get round its protection.
        if (fs::exists(status) && ::access(pad.c_str(), W_OK) != 0)
            throw Exception(Melding(errno));
        if (fs::exists(status)) {
            if (const fs::path echt = fs::canonical(pad, fout); !fout)
                doel_ = echt.string();
            rechten = static_cast<mode_t>(status.permissions() & fs::perms::mask);
        }
        const fs::path doel(doel_);
        std::string sjabloon = (doel.parent_path() / ("." + doel.filename().string() + ".XXXXXX")).string();
        fd_ = ::mkostemp(sjabloon.data(), O_CLOEXEC);
        if (fd_ >= 0) {
            tijdelijk_ = sjabloon;
            if (::fchmod(fd_, rechten) != 0) {
                const int reden = errno;
                RuimOp();
                throw Exception(Melding(reden));
            }
        }
    }
    if (fd_ < 0)
        throw Exception(Melding(errno));
    buffer_.Koppel(fd_);
}

TUitvoerbestand::~TUitvoerbestand() { RuimOp(); }

void TUitvoerbestand::RuimOp() noexcept
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tijdelijk_.empty())
        ::unlink(tijdelijk_.c_str());
    tijdelijk_.clear();
}

void TUitvoerbestand::Vastleggen()
{
    stroom_.flush();
    int fout = buffer_.Fout();
    if (fout == 0 && ::close(fd_) != 0)
        fout = errno;
    else if (fout != 0)
        ::close(fd_);
    fd_ = -1;
    if (fout == 0 && !tijdelijk_.empty() && ::rename(tijdelijk_.c_str(), doel_.c_str()) != 0)
        fout = errno;
    if (fout != 0) {
        RuimOp();
        throw Exception(Melding(fout));
    }
    tijdelijk_.clear();
}

std::string TUitvoerbestand::Fout() const { return buffer_.Fout() != 0 ? Melding(buffer_.Fout()) : std::string(); }

std::string TUitvoerbestand::Melding(int fout) const
{
    return "het bestand " + CitaatPad(pad_) + " kan niet worden geschreven: " + Systeemfout(fout) + ".";
}

} // namespace vkt::cli
