#include "cli/GeordendParallel.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vkt::cli {
namespace {

// Enough blocks in the ring that no thread waits for the reader or the writer.
constexpr int kPlaatsenPerTaak = 4;

// What the reading thread and the computing threads share.
struct TGedeeld {
    std::mutex mutex;
    std::condition_variable werk;  // a place to compute, or the end
    std::condition_variable klaar; // a place computed
    std::deque<int> wachtrij;
    std::vector<bool> berekend;
    std::exception_ptr fout;
    bool stoppen = false;
};

void Werker(TGedeeld& g, const std::function<void(int, int)>& reken, int taak)
{
    for (;;) {
        int plaats = 0;
        {
            std::unique_lock slot(g.mutex);
            g.werk.wait(slot, [&] { return g.stoppen || !g.wachtrij.empty(); });
            if (g.stoppen)
                return;
            plaats = g.wachtrij.front();
            g.wachtrij.pop_front();
        }
        std::exception_ptr fout;
        try {
            reken(plaats, taak);
        } catch (...) {
            fout = std::current_exception();
        }
        {
            std::lock_guard slot(g.mutex);
            g.berekend[static_cast<std::size_t>(plaats)] = true;
            if (fout && !g.fout)
                g.fout = fout;
        }
        g.klaar.notify_one();
    }
}

// Stops and joins the computing threads however the work ends.
class TDraden {
public:
    TDraden(TGedeeld& gedeeld, const std::function<void(int, int)>& reken, int taken) : g_(gedeeld)
    {
        for (int taak = 0; taak < taken; ++taak)
            draden_.emplace_back(Werker, std::ref(g_), std::cref(reken), taak);
    }
    ~TDraden()
    {
        {
            std::lock_guard slot(g_.mutex);
            g_.stoppen = true;
        }
        g_.werk.notify_all();
        for (std::thread& draad : draden_)
            draad.join();
    }
    TDraden(const TDraden&) = delete;
    TDraden& operator=(const TDraden&) = delete;

private:
    TGedeeld& g_;
    std::vector<std::thread> draden_;
};

} // namespace

TGeordendParallel::TGeordendParallel(int taken) : taken_(taken), plaatsen_(taken * kPlaatsenPerTaak) {}

void TGeordendParallel::Verwerk(const std::function<bool(int)>& lees, const std::function<void(int, int)>& reken,
                                const std::function<void(int)>& schrijf)
{
    TGedeeld g;
    g.berekend.assign(static_cast<std::size_t>(plaatsen_), false);
    TDraden draden(g, reken, taken_);
    long long gelezen = 0;
    long long geschreven = 0;
    bool einde = false;
    for (;;) {
        // Fill the free places of the ring, then write the oldest block.
        while (!einde && gelezen - geschreven < plaatsen_) {
            const int plaats = static_cast<int>(gelezen % plaatsen_);
            if (!lees(plaats)) {
                einde = true;
                break;
            }
            {
                std::lock_guard slot(g.mutex);
                g.berekend[static_cast<std::size_t>(plaats)] = false;
                g.wachtrij.push_back(plaats);
            }
            g.werk.notify_one();
            ++gelezen;
        }
        if (geschreven == gelezen)
            return;
        const int plaats = static_cast<int>(geschreven % plaatsen_);
        {
            std::unique_lock slot(g.mutex);
            g.klaar.wait(slot, [&] { return g.berekend[static_cast<std::size_t>(plaats)] || g.fout; });
            if (g.fout)
                std::rethrow_exception(g.fout);
        }
        schrijf(plaats);
        ++geschreven;
    }
}

} // namespace vkt::cli
