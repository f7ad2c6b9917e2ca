# Fills the "Font" folder beside the program with open fonts from Debian's font
# packages, under the file names the program loads. A font that is not
# installed is left out; the program starts without it.
#   cmake -DFONT_DIR=<bin>/Font -P CopyFonts.cmake
set(fonts
    "Simplified_Chinese.ttf=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc"
    "Predator-Regular.otf=/usr/share/fonts/truetype/noto/NotoSansDisplay-Bold.ttf"
    "NotoSansThai-Regular.ttf=/usr/share/fonts/truetype/noto/NotoSansThai-Regular.ttf"
    "NotoSansCJKtc-Regular.otf=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc")
file(MAKE_DIRECTORY ${FONT_DIR})
foreach(entry ${fonts})
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 name)
    list(GET pair 1 source)
    if(EXISTS ${source})
        file(COPY_FILE ${source} ${FONT_DIR}/${name} ONLY_IF_DIFFERENT)
    else()
        message(STATUS "Font ${source} is not installed; ${name} is left out")
    endif()
endforeach()
