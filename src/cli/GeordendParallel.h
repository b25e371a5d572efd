#pragma once

#include <functional>

namespace vkt::cli {

// Works through a stream of blocks on several threads and hands them back in
// the order they came: one thread reads a block into a free place of a ring
// and writes the oldest computed block, the others compute. The ring holds a
// fixed number of blocks, so memory does not grow with the length of the
// stream. The callers' blocks live in places 0 to Plaatsen() - 1.
class TGeordendParallel {
public:
    // taken threads compute, each block place of the ring is used in turn.
    explicit TGeordendParallel(int taken);

    int Plaatsen() const { return plaatsen_; }

    // lees fills a place with the next block (false: there is none; nothing is
    // in the place then); reken computes a place on the thread with number
    // taak (0 to taken - 1), never two places on one thread at once; schrijf
    // takes a computed place, in the order the blocks were read. lees and
    // schrijf run on the calling thread. An exception of any of them ends the
    // work (the threads stop) and is thrown again here.
    void Verwerk(const std::function<bool(int plaats)>& lees, const std::function<void(int plaats, int taak)>& reken,
                 const std::function<void(int plaats)>& schrijf);

private:
    int taken_;
    int plaatsen_;
};

} // namespace vkt::cli
