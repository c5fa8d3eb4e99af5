#include "exam/WelcomeLayout.h"

#include "platform/Rounding.h"

std::vector<int> centredRow(int W, const std::vector<int>& widths)
{
    std::vector<int> lefts;
    if (widths.empty())
        return lefts;
    const int n = int(widths.size());
    int left = int(roundHalfEven((W - n * widths[0] - ExamButtonGap * (n - 1)) / 2.0));
    for (int i = 0; i < n; ++i) {
        lefts.push_back(left);
        left += widths[i] + ExamButtonGap;
    }
    return lefts;
}
