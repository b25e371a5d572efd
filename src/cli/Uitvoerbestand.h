#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace vkt::cli {

// A stream buffer over an open file descriptor that checks every write: the
// first failure is kept (its error number) and every later write fails too,
// so the stream shows it.
class TBestandsbuffer : public std::streambuf {
public:
    TBestandsbuffer();
    void Koppel(int fd) { fd_ = fd; }
    // The error number of the first write that failed; 0 when none did.
    int Fout() const { return fout_; }

protected:
    int_type overflow(int_type teken) override;
    int sync() override;

private:
    // Writes what the buffer holds; false when that failed.
    bool Schrijf();

    int fd_ = -1;
    int fout_ = 0;
    std::vector<char> buffer_;
};

// A file that a command writes whole or not at all: written under a
// temporary name in the same folder (".naam.XXXXXX") and put in the place of
// the name only when every write and the close succeeded, so that a failure
// (a full disk, an error found halfway through the input) leaves a file of
// that name as it was. A symbolic link keeps pointing at the file it names.
// A name that is no regular file, such as a device (/dev/stdout) or a pipe,
// is written directly, with every write checked the same.
class TUitvoerbestand {
public:
    // Throws vkt::Exception saying in Dutch why the file cannot be written.
    explicit TUitvoerbestand(const std::string& pad);
    // Without Vastleggen the temporary file is removed again.
    ~TUitvoerbestand();
    TUitvoerbestand(const TUitvoerbestand&) = delete;
    TUitvoerbestand& operator=(const TUitvoerbestand&) = delete;

    std::ostream& Stroom() { return stroom_; }
    // Whether the file is written directly (a device or a pipe), so that a
    // failure can leave part of the output in it.
    bool Rechtstreeks() const { return rechtstreeks_; }
    // Writes what is left, closes the file and puts it in its place. Throws
    // vkt::Exception saying why when that fails; the file of that name is
    // then left as it was.
    void Vastleggen();
    // Why writing failed so far, in Dutch ("het bestand 'x' kan niet worden
    // geschreven: de schijf is vol."); empty when it did not.
    std::string Fout() const;

private:
    std::string Melding(int fout) const;
    void RuimOp() noexcept;

    std::string pad_;       // as given, for messages
    std::string doel_;      // the file written, a link followed
    std::string tijdelijk_; // empty when written directly
    bool rechtstreeks_ = false;
    int fd_ = -1;
    TBestandsbuffer buffer_;
    std::ostream stroom_;
};

} // namespace vkt::cli
