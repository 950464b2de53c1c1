// velcfg diff: two sample panels compared with the library's difference finder. Ctrl-C stops
// the work at the next screen and ends with status 130 before anything is printed; the
// listing is built whole and written at once, so it never comes out half.
#include "Commands.h"
#include "DiffListing.h"
#include "ProgressBar.h"

#include <vel/DiffProgress.h>
#include <vel/VelDataChange.h>

#include <csignal>
#include <cstdio>

namespace Vel::Velcfg {

namespace {

constexpr int kInterrupted = 130;

volatile std::sig_atomic_t g_bInterrupted = 0;

extern "C" void onInterrupt(int) {
    g_bInterrupted = 1;
}

} // namespace

void CatchInterrupt() {
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    // A Ctrl-C that came while the signal was still blocked is taken now.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_UNBLOCK, &interrupt, nullptr);
}

// The change bits --only selects; 0 (reported) when the word is not known.
int DiffMask(const std::string& only) {
    const int mask = only.empty()        ? CVelDataChange::ALL_CHANGES
                     : only == "left"    ? CVelDataChange::LEFT_ONLY
                     : only == "right"   ? CVelDataChange::RIGHT_ONLY
                     : only == "changed" ? CVelDataChange::CHANGED
                                         : 0;
    if (mask == 0) {
        fail("--only takes left, right or changed, not '" + only + "'");
    }
    return mask;
}

namespace {

// Both panels opened with their values applied; false (reported) when one cannot be.
bool openPair(const COptions& options, CLanguageTexts& texts,
              std::unique_ptr<Sample::CSamplePanel>& left,
              std::unique_ptr<Sample::CSamplePanel>& right) {
    const int rightType = options.m_nToType < 0 ? options.m_nType : options.m_nToType;
    const int rightVersion = options.m_nToVersion < 0 ? options.m_nVersion : options.m_nToVersion;
    left = openPanel(options.m_nType, options.m_nVersion, texts);
    right = left ? openPanel(rightType, rightVersion, texts) : nullptr;
    return right && applyValues(*left, options.m_vecValues, false) == Done &&
           applyValues(*right, options.m_vecRightValues, false) == Done;
}

} // namespace

int RunDiff(const COptions& options, CLanguageTexts& texts) {
    if (!requirePanel("diff", options.m_nType, options.m_nVersion)) {
        return UsageError;
    }
    const int mask = DiffMask(options.m_sOnly);
    if (mask == 0) {
        return UsageError;
    }
    CatchInterrupt();
    std::unique_ptr<Sample::CSamplePanel> left;
    std::unique_ptr<Sample::CSamplePanel> right;
    if (!openPair(options, texts, left, right)) {
        return g_bInterrupted ? kInterrupted : UsageError;
    }
    return ListDifferences(*left, *right, mask, options.m_bJson);
}

int ListDifferences(Sample::CSamplePanel& left, Sample::CSamplePanel& right, int mask, bool json) {
    CVelDataChange changes("");
    int result = 0;
    {
        bool goOn = !g_bInterrupted;
        CProgressBar bar("comparing");
        CDiffProgress progress(left.Root(), &goOn, [&bar](int done, int total) {
            bar.Show(done, total);
            return !g_bInterrupted;
        });
        result = left.Root().FindDifferencies(&right.Root(), &changes, &goOn, &progress, true);
    }
    std::string listing;
    int count = 0;
    if (result != 2 && !g_bInterrupted) {
        listing = json ? DiffJson(changes, mask, count) : DiffText(changes, mask, count);
    }
    changes.DeleteRecursive();
    if (result == 2 || g_bInterrupted) {
        fail("interrupted");
        return kInterrupted;
    }
    std::fwrite(listing.data(), 1, listing.size(), stdout);
    std::fflush(stdout);
    return count > 0 ? 1 : Done;
}

} // namespace Vel::Velcfg
