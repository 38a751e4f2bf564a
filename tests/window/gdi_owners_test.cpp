// The owners of GDI objects, on which the window and the soak test's count of leaks rely.
#include <gtest/gtest.h>

#include <windows.h>

#include "gdi_handles.h"

namespace zomerita::win {
namespace {

TEST(UniqueGdiObject, CountsEachObjectOnceAndDeletesItOnceWhateverMovesIt)
{
    const int before = LiveGdiObjects();
    HBRUSH replaced = nullptr;
    HBRUSH kept = nullptr;
    {
        UniqueBrush first(CreateSolidBrush(RGB(1, 2, 3)));
        replaced = first.get();
        UniqueBrush second;
        second = std::move(first);
        EXPECT_EQ(LiveGdiObjects(), before + 1);

        second = UniqueBrush(CreateSolidBrush(RGB(4, 5, 6)));
        kept = second.get();
        EXPECT_EQ(GetObjectType(replaced), 0u) << "the replaced brush is deleted";
        EXPECT_EQ(LiveGdiObjects(), before + 1);

        UniqueBrush third(std::move(second));
        third = std::move(third);
        EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH)) << "a move to itself keeps it";
        EXPECT_EQ(LiveGdiObjects(), before + 1);
    }
    EXPECT_EQ(GetObjectType(kept), 0u);
    EXPECT_EQ(LiveGdiObjects(), before);

    // A pen selected for a paint goes back out of the DC before it is deleted: Windows
    // cannot delete an object that is still selected. The memory DC goes in its turn.
    HDC memory = nullptr;
    {
        const MemoryDc dc(nullptr);
        memory = dc.get();
        const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_PEN);
        HPEN used = nullptr;
        {
            const UniquePen pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
            used = pen.get();
            const SelectGuard selected(dc.get(), pen.get());
            EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), used);
        }
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), original) << "the DC has its own pen back";
        EXPECT_EQ(GetObjectType(used), 0u) << "and the pen is gone";
    }
    EXPECT_EQ(GetObjectType(memory), 0u) << "the memory DC is deleted";
}

}  // namespace
}  // namespace zomerita::win
