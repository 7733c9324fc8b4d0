// Makes one fault the sanitizers of the test build must report, so that a run can show
// they are really on: "wyciek" leaks, "przepelnienie" writes past a heap block, "ub"
// overflows a signed integer.
#include <climits>
#include <cstring>
#include <memory>

namespace {

// Kept out of the optimiser's reach, so each fault really happens.
volatile int gWartosc = INT_MAX;
int* volatile gWskaznik = nullptr;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    if (std::strcmp(argv[1], "wyciek") == 0) {
        gWskaznik = std::make_unique<int[]>(16).release();
        gWskaznik = nullptr;
        return 0;
    }
    if (std::strcmp(argv[1], "przepelnienie") == 0) {
        const auto blok = std::make_unique<int[]>(4);
        int* volatile p = blok.get();
        p[4] = 1;
        return 0;
    }
    if (std::strcmp(argv[1], "ub") == 0) {
        const int w = gWartosc;
        gWartosc = w + argc;
        return 0;
    }
    return 2;
}
