// DrawMarkOnCanvas: the marker symbols as pixel art.
//
// At 5 to 11 pixels no rasterizer draws a circle or a triangle that is both symmetric
// and recognisable, so every symbol is drawn by hand: '#' is a pen pixel, 'o' the
// inside (brush, or pen for the filled variant), '.' is left alone. The centre pixel
// of each picture lands on (X, Y); a picture of even height or width has its extra row
// above the centre or its extra column left of it.
#include "drawing.h"

#include <frame/canvas/thinpen.h>

#include <array>
#include <string_view>

namespace vek {

namespace {

struct Art {
    int width;
    std::string_view pixels; // rows of width characters, top to bottom

    int Height() const { return int(pixels.size()) / width; }
    char At(int col, int row) const { return pixels[size_t(row * width + col)]; }
};

constexpr Art kDot{1, "#"};

constexpr Art kPlus{9,
                    "....#...."
                    "....#...."
                    "....#...."
                    "....#...."
                    "#########"
                    "....#...."
                    "....#...."
                    "....#...."
                    "....#...."};

constexpr Art kCross{7,
                     "#.....#"
                     ".#...#."
                     "..#.#.."
                     "...#..."
                     "..#.#.."
                     ".#...#."
                     "#.....#"};

constexpr Art kAsterisk{7,
                        "#..#..#"
                        ".#.#.#."
                        "..###.."
                        "#######"
                        "..###.."
                        ".#.#.#."
                        "#..#..#"};

constexpr Art kHorizontalBar{9, "#########"};

constexpr Art kVerticalBar{1, "#########"};

constexpr Art kCircle{9,
                      "...###..."
                      ".##ooo##."
                      ".#ooooo#."
                      "#ooooooo#"
                      "#ooooooo#"
                      "#ooooooo#"
                      ".#ooooo#."
                      ".##ooo##."
                      "...###..."};

constexpr Art kSquare{7,
                      "#######"
                      "#ooooo#"
                      "#ooooo#"
                      "#ooooo#"
                      "#ooooo#"
                      "#ooooo#"
                      "#######"};

constexpr Art kDiamond{9,
                       "....#...."
                       "...#o#..."
                       "..#ooo#.."
                       ".#ooooo#."
                       "#ooooooo#"
                       ".#ooooo#."
                       "..#ooo#.."
                       "...#o#..."
                       "....#...."};

// Triangles rise two rows per column, close to equilateral.
constexpr Art kTriangleUp{9,
                          "....#...."
                          "...#o#..."
                          "...#o#..."
                          "..#ooo#.."
                          "..#ooo#.."
                          ".#ooooo#."
                          ".#ooooo#."
                          "#########"};

constexpr Art kTriangleDown{9,
                            "#########"
                            ".#ooooo#."
                            ".#ooooo#."
                            "..#ooo#.."
                            "..#ooo#.."
                            "...#o#..."
                            "...#o#..."
                            "....#...."};

constexpr Art kTriangleLeft{8,
                              ".......#"
                              ".....###"
                              "...##oo#"
                              ".##oooo#"
                              "#oooooo#"
                              ".##oooo#"
                              "...##oo#"
                              ".....###"
                              ".......#"};

constexpr Art kTriangleRight{8,
                               "#......."
                               "###....."
                               "#oo##..."
                               "#oooo##."
                               "#oooooo#"
                               "#oooo##."
                               "#oo##..."
                               "###....."
                               "#......."};

constexpr Art kHexagon{9,
                       "..#####.."
                       ".#ooooo#."
                       ".#ooooo#."
                       "#ooooooo#"
                       ".#ooooo#."
                       ".#ooooo#."
                       "..#####.."};

constexpr Art kPentagon{9,
                        "....#...."
                        "..##o##.."
                        ".#ooooo#."
                        "#ooooooo#"
                        "#ooooooo#"
                        ".#ooooo#."
                        ".#ooooo#."
                        "..#ooo#.."
                        "..#####.."};

constexpr Art kStar{9,
                    "....#...."
                    "...#o#..."
                    "...#o#..."
                    ".##ooo##."
                    "#ooooooo#"
                    ".##ooo##."
                    "...#o#..."
                    "...#o#..."
                    "....#...."};

constexpr Art kSmallCircle{5,
                           ".###."
                           "#ooo#"
                           "#ooo#"
                           "#ooo#"
                           ".###."};

constexpr Art kSmallSquare{5,
                           "#####"
                           "#ooo#"
                           "#ooo#"
                           "#ooo#"
                           "#####"};

constexpr Art kLargeCircle{11,
                           "....###...."
                           "..##ooo##.."
                           ".#ooooooo#."
                           ".#ooooooo#."
                           "#ooooooooo#"
                           "#ooooooooo#"
                           "#ooooooooo#"
                           ".#ooooooo#."
                           ".#ooooooo#."
                           "..##ooo##.."
                           "....###...."};

constexpr Art kLargeSquare{9,
                           "#########"
                           "#ooooooo#"
                           "#ooooooo#"
                           "#ooooooo#"
                           "#ooooooo#"
                           "#ooooooo#"
                           "#ooooooo#"
                           "#ooooooo#"
                           "#########"};

constexpr Art kSmallDiamond{5,
                            "..#.."
                            ".#o#."
                            "#ooo#"
                            ".#o#."
                            "..#.."};

constexpr Art kLargeDiamond{11,
                            ".....#....."
                            "....#o#...."
                            "...#ooo#..."
                            "..#ooooo#.."
                            ".#ooooooo#."
                            "#ooooooooo#"
                            ".#ooooooo#."
                            "..#ooooo#.."
                            "...#ooo#..."
                            "....#o#...."
                            ".....#....."};

constexpr Art kHourglass{9,
                         "#########"
                         ".#ooooo#."
                         "..#ooo#.."
                         "...#o#..."
                         "....#...."
                         "...#o#..."
                         "..#ooo#.."
                         ".#ooooo#."
                         "#########"};

constexpr Art kBowTie{9,
                      "#.......#"
                      "##.....##"
                      "#o#...#o#"
                      "#oo#.#oo#"
                      "#ooo#ooo#"
                      "#oo#.#oo#"
                      "#o#...#o#"
                      "##.....##"
                      "#.......#"};

constexpr Art kSquarePlus{9,
                          "#########"
                          "#ooo#ooo#"
                          "#ooo#ooo#"
                          "#ooo#ooo#"
                          "#########"
                          "#ooo#ooo#"
                          "#ooo#ooo#"
                          "#ooo#ooo#"
                          "#########"};

constexpr Art kSquareCross{9,
                           "#########"
                           "##ooooo##"
                           "#o#ooo#o#"
                           "#oo#o#oo#"
                           "#ooo#ooo#"
                           "#oo#o#oo#"
                           "#o#ooo#o#"
                           "##ooooo##"
                           "#########"};

constexpr Art kCirclePlus{9,
                          "...###..."
                          ".##o#o##."
                          ".#oo#oo#."
                          "#ooo#ooo#"
                          "#########"
                          "#ooo#ooo#"
                          ".#oo#oo#."
                          ".##o#o##."
                          "...###..."};

constexpr Art kCircleCross{9,
                           "...###..."
                           ".##ooo##."
                           ".##ooo##."
                           "#oo#o#oo#"
                           "#ooo#ooo#"
                           "#oo#o#oo#"
                           ".##ooo##."
                           ".##ooo##."
                           "...###..."};

constexpr Art kDiamondPlus{9,
                           "....#...."
                           "...###..."
                           "..#o#o#.."
                           ".#oo#oo#."
                           "#########"
                           ".#oo#oo#."
                           "..#o#o#.."
                           "...###..."
                           "....#...."};

constexpr Art kCircleDot{9,
                         "...###..."
                         ".##ooo##."
                         ".#ooooo#."
                         "#oo###oo#"
                         "#oo###oo#"
                         "#oo###oo#"
                         ".#ooooo#."
                         ".##ooo##."
                         "...###..."};

constexpr Art kSquareDot{7,
                         "#######"
                         "#ooooo#"
                         "#ooooo#"
                         "#oo#oo#"
                         "#ooooo#"
                         "#ooooo#"
                         "#######"};

constexpr Art kTriStar{7,
                       "...#..."
                       "...#..."
                       "...#..."
                       "...#..."
                       "..#.#.."
                       ".#...#."
                       "#.....#"};

constexpr Art kTriStarDown{7,
                           "#.....#"
                           ".#...#."
                           "..#.#.."
                           "...#..."
                           "...#..."
                           "...#..."
                           "...#..."};

constexpr Art kHalfCircle{9,
                          "...###..."
                          ".##ooo##."
                          ".#ooooo#."
                          "#ooooooo#"
                          "#########"
                          "#########"
                          ".#######."
                          ".#######."
                          "...###..."};

struct Marker {
    const Art* art;
    bool filled; // the inside in the pen color instead of the brush
};

constexpr std::array<Marker, MarkerCount> kMarkers{{
    {&kDot, false},          {&kPlus, false},          {&kCross, false},
    {&kAsterisk, false},     {&kHorizontalBar, false}, {&kVerticalBar, false},
    {&kCircle, false},       {&kCircle, true},         {&kSquare, false},
    {&kSquare, true},        {&kDiamond, false},       {&kDiamond, true},
    {&kTriangleUp, false},   {&kTriangleUp, true},     {&kTriangleDown, false},
    {&kTriangleDown, true},  {&kTriangleLeft, false},  {&kTriangleLeft, true},
    {&kTriangleRight, false}, {&kTriangleRight, true}, {&kHexagon, false},
    {&kHexagon, true},       {&kPentagon, false},      {&kPentagon, true},
    {&kStar, false},         {&kStar, true},           {&kSmallCircle, false},
    {&kSmallCircle, true},   {&kSmallSquare, false},   {&kSmallSquare, true},
    {&kLargeCircle, false},  {&kLargeCircle, true},    {&kLargeSquare, false},
    {&kLargeSquare, true},   {&kSmallDiamond, false},  {&kSmallDiamond, true},
    {&kLargeDiamond, false}, {&kLargeDiamond, true},   {&kHourglass, false},
    {&kHourglass, true},     {&kBowTie, false},        {&kBowTie, true},
    {&kSquarePlus, false},   {&kSquareCross, false},   {&kCirclePlus, false},
    {&kCircleCross, false},  {&kDiamondPlus, false},   {&kCircleDot, false},
    {&kSquareDot, false},    {&kTriStar, false},       {&kTriStarDown, false},
    {&kHalfCircle, false},
}};

// Draws one row of a picture as runs: pen pixels as lines, inside pixels with the brush.
void DrawRow(TCanvas* canvas, const Marker& marker, int row, QPoint origin)
{
    const Art& art = *marker.art;
    const int y = origin.y() + row;
    auto kind = [&](int col) {
        const char c = art.At(col, row);
        return c == 'o' && marker.filled ? '#' : c;
    };
    for (int col = 0; col < art.width;) {
        const char c = kind(col);
        int end = col + 1;
        while (end < art.width && kind(end) == c)
            ++end;
        const int x0 = origin.x() + col, x1 = origin.x() + end;
        if (c == '#')
            canvas->Polyline({TPoint(x0, y), TPoint(x1, y)});
        else if (c == 'o')
            canvas->FillRect(TRect(x0, y, x1, y + 1));
        col = end;
    }
}

} // namespace

void DrawMarkOnCanvas(TCanvas* Canvas, int MarkType, int X, int Y)
{
    if (!Canvas || MarkType < 0 || MarkType >= MarkerCount)
        return;
    const Marker& marker = kMarkers[size_t(MarkType)];
    const ThinPen thin(Canvas);
    const QPoint origin(X - marker.art->width / 2, Y - marker.art->Height() / 2);
    for (int row = 0; row < marker.art->Height(); ++row)
        DrawRow(Canvas, marker, row, origin);
}

} // namespace vek
