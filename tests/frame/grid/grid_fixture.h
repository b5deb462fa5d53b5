// A small draw grid for the grid tests: records the cells it draws and exposes the
// protected hooks.
#pragma once

#include <frame/grid/grid.h>
#include <frame/controls/keys.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QTest>

#include <vector>

class ProbeGrid : public vek::TCustomDrawGrid {
public:
    explicit ProbeGrid(QWidget* parent = nullptr) : vek::TCustomDrawGrid(parent)
    {
        resize(300, 200);
        OnDrawCell = [this](vek::TObject*, int c, int r, const vek::TRect&,
                            vek::TGridDrawState state) {
            drawn.push_back({c, r});
            states.push_back(state);
        };
    }
    using vek::TCustomGrid::ContentsSizeHint;
    using vek::TCustomGrid::Paint;
    std::vector<vek::TGridCoord> drawn;
    std::vector<vek::TGridDrawState> states;

    // Paints now and returns how many cells were drawn.
    int PaintCount()
    {
        drawn.clear();
        states.clear();
        Refresh();
        return int(drawn.size());
    }
    vek::TGridDrawState StateOf(int c, int r)
    {
        PaintCount();
        for (std::size_t i = 0; i < drawn.size(); ++i)
            if (drawn[i] == vek::TGridCoord{c, r})
                return states[i];
        return {};
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(this, key, modifiers);
    }
};
