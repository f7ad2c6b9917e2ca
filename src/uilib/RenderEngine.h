// CRenderEngine: every drawing primitive the controls use — colours, frames,
// text, and image descriptions — so that controls never touch the painter
// directly. Image descriptions are either a file name or a list of keys:
//   file='x.png' dest='l,t,r,b' source='l,t,r,b' corner='l,t,r,b' fade='0..255'
//   hole='true' xtiled='true' ytiled='true' mask='#AARRGGBB'
// Files are read from the resource folder (or by absolute path) and cached.
#pragma once

#include <cstdint>
#include <string>

#include "uilib/UiTypes.h"

namespace DuiLib {

class CPaintManagerUI;

struct TImageInfo {
    int nX = 0;  // width in pixels
    int nY = 0;  // height in pixels
};

struct TDrawInfo {
    std::string sFile;
    UiRect rcDest;
    UiRect rcSource;
    UiRect rcCorner;
    int uFade = 255;
    bool bHole = false;
    bool bTiledX = false;
    bool bTiledY = false;
};

// Text layout flags of DrawText and MeasureText.
enum UiTextStyle : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_TOP = 0x0,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_END_ELLIPSIS = 0x8000,
};

class CRenderEngine {
public:
    static void DrawColor(HDC hDC, const UiRect& rc, uint32_t color);
    static void DrawGradient(HDC hDC, const UiRect& rc, uint32_t first, uint32_t second,
                             bool vertical);
    static void FillRoundRect(HDC hDC, const UiRect& rc, int radius, uint32_t color);
    static void DrawRect(HDC hDC, const UiRect& rc, int size, uint32_t color);
    static void DrawRoundRect(HDC hDC, const UiRect& rc, int radius, int size, uint32_t color);
    static void DrawLine(HDC hDC, UiPoint from, UiPoint to, int size, uint32_t color);
    static void FillEllipse(HDC hDC, const UiRect& rc, uint32_t color);
    // A pie slice; angles in degrees, clockwise from the positive x axis.
    static void FillPie(HDC hDC, const UiRect& rc, float startDegrees, float sweepDegrees,
                        uint32_t color);

    static void DrawText(HDC hDC, const UiRect& rc, const std::string& text, uint32_t color,
                         int font, unsigned style);
    static UiSize MeasureText(const std::string& text, int font, int maxWidth = 0);

    // Draws the description over rcItem, restricted to rcPaint. modify is a
    // second description whose keys override the first (for example
    // "dest='0,0,10,10'"). With useColor the image's shape is filled with the
    // colour and drawn at alpha (0..255). False when the image cannot be drawn.
    static bool DrawImageString(HDC hDC, CPaintManagerUI* manager, const UiRect& rcItem,
                                const UiRect& rcPaint, const std::string& image,
                                const std::string& modify = {}, uint32_t color = 0, int alpha = 255,
                                bool useColor = false);

    static bool ParseDrawInfo(const std::string& image, TDrawInfo& info);
    // The image of a file, loaded on first use; nullptr (with one trace line)
    // when it cannot be read.
    static const TImageInfo* GetImage(const std::string& file);
    // The path a file name of a description resolves to.
    static std::string ResolveImagePath(const std::string& file);
    static bool ImageExists(const std::string& file);
    static void FlushImages();
    // How many colour-filled images DrawImageString has made so far; a draw
    // in a colour it drew the same part of the same image in recently reuses
    // the one made then.
    static uint64_t GetTintCount();
};

}  // namespace DuiLib
