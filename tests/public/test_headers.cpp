// Every unit header compiles on its own, with nothing but the public include folder on
// the include path: what an application gets.
#include <VEK_Colsel.h>
#include <VEK_FolderTree.h>
#include <VEK_Meter.h>
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <VEK_ProgBar.h>
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_Thumbnails.h>
#include <VEK_datatable.h>
#include <VEK_gradfl.h>
#include <VEK_marksel.h>
#include <VEK_ntabed.h>
#include <VEK_onoffbut.h>
#include <VEK_replist.h>
#include <VEK_repsbut.h>
#include <VEK_sevenseg.h>

#include <gtest/gtest.h>

TEST(PublicHeaders, UnitFoldersAreNotOnTheIncludePath)
{
#if __has_include(<ticks.h>) || __has_include(<valuetext.h>) || __has_include(<glyphcache.h>)
    FAIL() << "an internal header is reachable";
#endif
#if __has_include(<frame/data/rowblock_p.h>)
    FAIL() << "a private frame header is reachable";
#endif
}
