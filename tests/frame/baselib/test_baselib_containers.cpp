#include <frame/data/containers.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

using namespace vek;

TEST(TBitFld, EmptySet)
{
    TBitFld bits;
    EXPECT_EQ(bits.Size(), 0);
    EXPECT_FALSE(bits.GetBit(0));
    EXPECT_EQ(bits.CountTrueBits(), 0);
    EXPECT_EQ(bits.FirstTrueBit(), -1);
    bits.SetBit(0, true);
    EXPECT_EQ(bits.CountTrueBits(), 0);
    bits.SetSize(-5);
    EXPECT_EQ(bits.Size(), 0);
}

TEST(TBitFld, BitsAcrossWordBoundaries)
{
    TBitFld bits(130);
    for (int i : {129, 64, 63, 0})
        bits.SetBit(i, true);
    EXPECT_EQ(bits.CountTrueBits(), 4);
    EXPECT_EQ(bits.FirstTrueBit(), 0);
    bits.SetBit(0, false);
    EXPECT_EQ(bits.FirstTrueBit(), 63);
    bits.SetBit(63, false);
    bits.SetBit(64, false);
    EXPECT_EQ(bits.FirstTrueBit(), 129);
    EXPECT_TRUE(bits.GetBit(129));
    EXPECT_FALSE(bits.GetBit(128));
    EXPECT_EQ(bits.CountTrueBits(), 1);
}

TEST(TBitFld, IndicesOutsideTheSizeAreIgnored)
{
    TBitFld bits(10);
    bits.SetBit(10, true);
    bits.SetBit(-1, true);
    bits.SetBit(64, true);
    EXPECT_EQ(bits.CountTrueBits(), 0);
    EXPECT_FALSE(bits.GetBit(10));
    EXPECT_FALSE(bits.GetBit(-1));
}

TEST(TBitFld, ResizeKeepsLowBitsAndForgetsCutOnes)
{
    TBitFld bits(100);
    bits.SetBit(3, true);
    bits.SetBit(70, true);
    bits.SetBit(40, true);
    bits.SetSize(50);
    EXPECT_EQ(bits.CountTrueBits(), 2);
    bits.SetSize(100);
    EXPECT_FALSE(bits.GetBit(70));
    EXPECT_TRUE(bits.GetBit(40));
    EXPECT_EQ(bits.CountTrueBits(), 2);
    bits.SetSize(41); // cut inside the first word
    bits.SetSize(64);
    EXPECT_TRUE(bits.GetBit(40));
    EXPECT_EQ(bits.CountTrueBits(), 2);
    bits.SetSize(40);
    bits.SetSize(64);
    EXPECT_FALSE(bits.GetBit(40));
}

TEST(TBitFld, ClearKeepsSize)
{
    TBitFld bits(65);
    bits.SetBit(64, true);
    bits.Clear();
    EXPECT_EQ(bits.Size(), 65);
    EXPECT_EQ(bits.CountTrueBits(), 0);
    EXPECT_EQ(bits.FirstTrueBit(), -1);
    bits.SetBit(64, true);
    EXPECT_EQ(bits.FirstTrueBit(), 64);
}

// The runs of true bits merge, split and count as a plain array of bits would.
TEST(TBitFld, RunsBehaveAsPlainBits)
{
    constexpr int Size = 200;
    TBitFld bits(Size);
    std::vector<bool> plain(Size);
    std::mt19937 random(17);
    for (int step = 0; step < 20000; ++step) {
        const int from = int(random() % (Size + 20)) - 10;
        const int to = random() % 4 == 0 ? from + int(random() % 60) - 30 : from;
        const bool value = random() % 2 == 0;
        bits.SetBits(from, to, value);
        for (int i = std::max(std::min(from, to), 0); i <= std::min(std::max(from, to), Size - 1); ++i)
            plain[size_t(i)] = value;
        if (step % 97 == 0) {
            const int size = 150 + int(random() % 50);
            bits.SetSize(size);
            bits.SetSize(Size);
            std::fill(plain.begin() + size, plain.end(), false);
        }
        const int count = int(std::count(plain.begin(), plain.end(), true));
        ASSERT_EQ(bits.CountTrueBits(), count) << "step " << step;
        const auto first = std::find(plain.begin(), plain.end(), true);
        ASSERT_EQ(bits.FirstTrueBit(), first == plain.end() ? -1 : int(first - plain.begin()));
        for (int i = -1; i <= Size; ++i)
            ASSERT_EQ(bits.GetBit(i), i >= 0 && i < Size && plain[size_t(i)]) << "bit " << i;
    }
}

TEST(TBitFld, HugeSizesCostNothing)
{
    TBitFld bits(INT_MAX);
    bits.SetBits(INT_MAX, 0, true);
    EXPECT_EQ(bits.CountTrueBits(), INT_MAX);
    bits.SetBit(1000000000, false);
    EXPECT_EQ(bits.CountTrueBits(), INT_MAX - 1);
    EXPECT_FALSE(bits.GetBit(1000000000));
    EXPECT_TRUE(bits.GetBit(INT_MAX - 1));
    bits.SetSize(10);
    EXPECT_EQ(bits.CountTrueBits(), 10);
}

TEST(TIntMatrix, OneBasedCellsStartAtZero)
{
    TIntMatrix m(3, 2);
    EXPECT_EQ(m.NrOfColumns(), 3);
    EXPECT_EQ(m.NrOfRows(), 2);
    m.SetVal(1, 1, 5);
    m.SetVal(3, 2, -7);
    EXPECT_EQ(m.GetVal(1, 1), 5);
    EXPECT_EQ(m.GetVal(3, 2), -7);
    EXPECT_EQ(m.GetVal(2, 1), 0);
    EXPECT_EQ(m.GetVal(1, 2), 0);
}

TEST(TIntMatrix, OutOfRangeReadsZeroAndWritesNothing)
{
    TIntMatrix m(3, 2);
    for (auto [c, r] : {std::pair{0, 1}, {4, 1}, {1, 0}, {1, 3}, {-1, -1}, {4, 2}}) {
        m.SetVal(c, r, 99);
        EXPECT_EQ(m.GetVal(c, r), 0);
    }
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(m.GetVal(c, r), 0) << c << "," << r;
}

TEST(TIntMatrix, ResizeKeepsValuesByPosition)
{
    TIntMatrix m(3, 2);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c)
            m.SetVal(c, r, 10 * r + c);
    m.Resize(2, 4);
    EXPECT_EQ(m.NrOfColumns(), 2);
    EXPECT_EQ(m.NrOfRows(), 4);
    EXPECT_EQ(m.GetVal(1, 1), 11);
    EXPECT_EQ(m.GetVal(2, 1), 12);
    EXPECT_EQ(m.GetVal(1, 2), 21);
    EXPECT_EQ(m.GetVal(2, 2), 22);
    EXPECT_EQ(m.GetVal(1, 3), 0);
    m.Resize(3, 4);
    EXPECT_EQ(m.GetVal(3, 1), 0); // a cut column comes back empty
}

TEST(TIntMatrix, SetNRowsGrowsAndShrinksTheList)
{
    TIntMatrix holidays(3, 0);
    for (int n = 1; n <= 3; ++n) {
        holidays.SetNRows(n);
        holidays.SetVal(1, n, n);
        holidays.SetVal(3, n, -99999);
    }
    EXPECT_EQ(holidays.NrOfColumns(), 3);
    EXPECT_EQ(holidays.NrOfRows(), 3);
    EXPECT_EQ(holidays.GetVal(1, 2), 2);
    EXPECT_EQ(holidays.GetVal(3, 3), -99999);
    holidays.SetNRows(1);
    EXPECT_EQ(holidays.GetVal(1, 1), 1);
    EXPECT_EQ(holidays.GetVal(1, 2), 0);
    holidays.SetNRows(-4);
    EXPECT_EQ(holidays.NrOfRows(), 0);
    EXPECT_EQ(holidays.NrOfColumns(), 3);
}

TEST(TIntMatrix, NegativeSizesCountAsZero)
{
    TIntMatrix m(-2, 5);
    EXPECT_EQ(m.NrOfColumns(), 0);
    EXPECT_EQ(m.NrOfRows(), 5);
    m.SetVal(1, 1, 3);
    EXPECT_EQ(m.GetVal(1, 1), 0);
}

TEST(TLogicOp, AndNotKeepsTheFirstOperandOnly)
{
    EXPECT_TRUE(ApplyLogicOp(loANDNOT, true, false));
    EXPECT_FALSE(ApplyLogicOp(loANDNOT, false, true));
    EXPECT_FALSE(ApplyLogicOp(loANDNOT, true, true));
    EXPECT_FALSE(ApplyLogicOp(loXOR, true, true));
    EXPECT_FALSE(ApplyLogicOp(TLogicOp(9), true, true));
}

TEST(TIntMatrix, FillSetsEveryCell)
{
    TIntMatrix m(3, 2);
    m.Fill(-7);
    EXPECT_EQ(m.GetVal(1, 1), -7);
    EXPECT_EQ(m.GetVal(3, 2), -7);
    m.Resize(4, 2); // new cells start at zero, filled ones keep their value
    EXPECT_EQ(m.GetVal(4, 2), 0);
    EXPECT_EQ(m.GetVal(3, 2), -7);
}
