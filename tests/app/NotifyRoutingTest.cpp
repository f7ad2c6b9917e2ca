// The main window's routing table: every control name the main layout and the
// device pages use reaches the operation that owns it, numbered controls by
// their prefix, and nothing else reaches anything.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ControlName.h"
#include "app/MainWnd.h"

namespace {

using app::CMainWnd;
using app::SplitControlName;

TEST(ControlNameTest, SplitsNumberedNamesAtTheLastUnderscore) {
    struct Case {
        const char* name;
        const char* prefix;
        int index;
    };
    const Case cases[] = {
        {"DPI_slider_2", "DPI_slider_", 2},
        {"key_12", "key_", 12},
        {"key_0012", "key_", 12},
        {"tolvar_DPI_slider_0", "tolvar_DPI_slider_", 0},
        {"closebtn", "", -1},
        {"key_", "", -1},
        {"pointer_precision_check", "", -1},
        {"key_1a", "", -1},
        {"key_-1", "", -1},
        {"key_12345678901", "", -1},
        {"", "", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::ControlName split = SplitControlName(c.name);
        EXPECT_EQ(split.full, c.name);
        EXPECT_EQ(split.prefix, c.prefix);
        EXPECT_EQ(split.index, c.index);
    }
}

struct RouteRow {
    const char* type;
    const char* handler;
    std::vector<std::string> senders;
};

// Every name of every routing list, with numbered names standing for their
// prefixes.
const std::vector<RouteRow>& RouteRows() {
    static const std::vector<RouteRow> rows = {
        {"windowsize", "OnRootWindowSize", {"root"}},
        {"colorchanged", "OnLightPaletteColor", {"deng_Color_Pallet"}},
        {"colorchanged", "OnAudioPaletteColor", {"deng_audioColor_Pallet"}},
        {"msleave", "OnMouseKeyHover", {"tolvarms_key_3", "tolvarms_key_left"}},
        {"msenter", "OnMouseKeyHover", {"tolvarms_key_10"}},
        {"movevaluechanged", "OnDpiSliderMoving", {"tolvar_DPI_slider_1", "DPI_slider_4"}},
        {"click_select_end", "OnKeySelectionEnd", {"device_key_light", "mouse_device_key_light"}},
        {"itemactivate", "OnMacroActionMenu", {"macro_action"}},
        {"setfocus", "OnKeyCaptureFocus", {"keyset_keyboard_text_edit"}},
        {"click", "OnCloseButton", {"closebtn"}},
        {"click", "OnNoDeviceOk", {"nodevice_ok_btn"}},
        {"click", "OnLightControlToggle", {"control_light_status"}},
        {"click", "OnMinimizeButton", {"minbtn"}},
        {"click", "OnMaximizeButton", {"maxbtn"}},
        {"click", "OnRestoreButton", {"restorebtn"}},
        {"click", "OnSkinButton", {"skinbtn"}},
        {"click", "OnSettingsButton", {"setbtn"}},
        {"click", "OnKeyButtonClick", {"key_0", "key_12", "KEY_169"}},
        {"click", "OnLightColorOption", {"color_option_3"}},
        {"click", "OnAudioColorOption", {"audiocolor_option_7"}},
        {"click", "OnMouseWindowSetting", {"windowdeviceset_2"}},
        {"click", "OnDpiColorOption", {"DPI_color_option_5"}},
        {"click", "OnKeyboardSystemButton", {"default_btn", "reset_repeat_btn"}},
        {"click",
         "OnProfileButton",
         {"device_add_btn", "device_sub_btn", "device_export_btn", "device_import_btn",
          "device_copy_btn", "device_reset_btn", "device_profile_edit_save_btn",
          "profile_fun_spread_btn"}},
        {"click",
         "OnKeySetButton",
         {"key_butt_keysave", "key_butt_keydefalut", "key_butt_keycancel", "key_butt_prosave"}},
        {"click",
         "OnMacroButton",
         {"macro_btn_starredio", "macro_btn_stopredio", "macro_btn_name_add", "macro_btn_name_sub",
          "macro_btn_name_edit", "macro_btn_save", "macro_btn_cancel", "macro_btn_export",
          "macro_btn_import", "macro_btn_up", "macro_btn_down", "macro_btn_uptop",
          "macro_btn_downbottom", "macro_btn_delete", "macro_btn_deleteall",
          "macro_inset_moveleftkey_btn", "macro_inset_moverightkey_btn",
          "macro_inset_moveupkey_btn", "macro_inset_movedownkey_btn"}},
        {"click",
         "OnRecoilButton",
         {"shootdate_save_btn", "shootdate_reset_btn", "shootdate_import_btn",
          "shootdate_export_btn", "bullet_selected_prev", "bullet_selected_next"}},
        {"click", "OnLightCustomColorButton", {"custom_bright_color_btn", "custom_off_color_btn"}},
        {"click", "OnSameModeLighting", {"deng_same_mode"}},
        {"click", "OnHeadsetEqButton", {"hs_EQ_btn_save", "hs_EQ_btn_delete"}},
        {"click", "OnDeviceSelectorScroll", {"device_select_prev", "device_select_next"}},
        {"click", "OnAudioLightButton", {"Close_bkColor_btn", "music_setting_btn"}},
        {"selectchanged",
         "OnMouseDpiOption",
         {"DPI_enable_check_1", "DPI_select_check_6", "mouse_device_seting_option_0"}},
        {"selectchanged",
         "OnPollingOrRepeatOption",
         {"polling_rate_option_3", "repeat_delay_check_1"}},
        {"selectchanged",
         "OnRecoilOption",
         {"shoot_gun_op_2", "bullet_op_9", "bullet_x_check", "bullet_y_check"}},
        {"selectchanged",
         "OnHeadsetOption",
         {"magic_option_4", "6533_eq_option_1", "magic_enable_option", "6533_MicIn_option",
          "6533_MicMoniter_option"}},
        {"selectchanged", "OnKeySetOption", {"key_ComBox_check_2"}},
        {"selectchanged",
         "OnMousePointerOption",
         {"pointer_precision_check", "scrolls_page_check"}},
        {"selectchanged",
         "OnKeyboardFlagOption",
         {"winlockflag_option", "wflag_option", "6flag_option"}},
        {"selectchanged", "OnSyncDeviceSelect", {"synchro_device_select"}},
        {"selectchanged", "OnDeviceSelected", {"device_select"}},
        {"selectchanged",
         "OnFunctionTab",
         {"deng_Op_tab", "key_Op_tab", "macro_Op_tab", "system_Op_tab", "cursor_Op_tab",
          "6533_voice_Op_tab", "magic_Op_tab", "Virtual7.1_Op_tab"}},
        {"selectchanged",
         "OnLightOptionCheck",
         {"deng_FXL_check", "deng_FXR_check", "deng_7color_check"}},
        {"selectchanged",
         "OnAudioLightOption",
         {"deng_7audiocolor_check", "audio_BkColor_check", "audio_FgColor_check"}},
        {"valuechanged", "OnDpiSlider", {"DPI_slider_2", "dpi_slider_12"}},
        {"valuechanged", "OnHeadsetEqSlider", {"6533_eq_hz_slider_9"}},
        {"valuechanged",
         "OnMousePointerSlider",
         {"pointer_speed_slider", "scroll_speed_slider", "double_click_slider"}},
        {"valuechanged", "OnKeyboardRepeatSlider", {"repeat_rate_slider"}},
        {"valuechanged", "OnLightSlider", {"deng_light_slider", "deng_speed_slider"}},
        {"valuechanged", "OnHeadsetMicSlider", {"6533_MicIn_slider", "6533_MicMoniter_slider"}},
        {"valuechanged",
         "OnAudioColorSlider",
         {"R_light_slider", "G_light_slider", "B_light_slider"}},
        {"itemselect", "OnProfileComboSelect", {"device_profile_combo"}},
        {"itemselect",
         "OnLightModeSelect",
         {"light_combo_modeSelect", "light_combo_custommodeSelect", "light_combo_ZZCCmodeSelect",
          "light_combo_audiomodeSelect"}},
        {"itemselect",
         "OnKeySetComboSelect",
         {"keyset_function_combo", "keyset_macro_over_combo", "keyset_mousekey_combo",
          "keyset_mouseswing_combo", "keyset_mousewheel_combo", "keyset_mousedpi_combo",
          "keyset_media_combo", "keyset_system_combo", "keyset_macro_combo", "keyset_gunkey_combo",
          "keyset_combokey_combo"}},
        {"itemselect", "OnMacroListSelect", {"macro_name_list"}},
        {"itemselect", "OnHeadsetEqComboSelect", {"custom_eq_name_combo"}},
        {"killfocus", "OnDpiEditDone", {"tolvar_DPI_edit_1", "tolvar_DPI_slider_2", "DPI_edit_3"}},
        {"killfocus", "OnLightColorEdit", {"deng_edit_R", "deng_edit_G", "deng_edit_B"}},
        {"killfocus",
         "OnAudioColorEdit",
         {"deng_audioedit_R", "deng_audioedit_G", "deng_audioedit_B"}},
        {"killfocus",
         "OnKeySetEditDone",
         {"keyset_keyboard_text_edit", "keyset_mouseswing_num_edit", "keyset_mouseswing_delay_edit",
          "keyset_mouseswing_speed_edit", "keyset_mousewheel_num_edit",
          "keyset_mousewheel_delay_edit", "keyset_mousewheel_speed_edit",
          "keyset_mousefire_interval_edit", "keyset_mousefire_num_edit",
          "keyset_macro_cycle_edit"}},
        {"killfocus", "OnRecoilEditDone", {"bullet_x_eidt", "bullet_y_eidt", "bullet_delay_eidt"}},
        {"killfocus", "OnMacroDelayEdit", {"macro_delay"}},
        // Types that reach one operation whatever the sender.
        {"windowinit", "OnWindowInit", {"root", ""}},
        {"itemclick", "OnNoAction", {"any_list"}},
        {"textchanged", "OnNoAction", {"any_edit"}},
        {"click_wpremove", "OnNoAction", {"wp"}},
        {"click_wpedit", "OnNoAction", {"wp"}},
        {"click_wpadd", "OnNoAction", {"wp"}},
        {"click_wpselect", "OnNoAction", {"wp"}},
    };
    return rows;
}

TEST(NotifyRoutingTest, EveryListedNameReachesItsOperation) {
    CMainWnd wnd;
    for (const RouteRow& row : RouteRows()) {
        for (const std::string& sender : row.senders) {
            SCOPED_TRACE(std::string(row.type) + " from \"" + sender + "\"");
            const app::CNotifyRouter::Route* route = wnd.Router().Find(row.type, sender);
            ASSERT_NE(route, nullptr);
            EXPECT_EQ(route->handlerName, row.handler);
        }
    }
}

TEST(NotifyRoutingTest, NamesOutsideTheListsAndWrongTypesReachNothing) {
    CMainWnd wnd;
    struct Miss {
        const char* type;
        const char* sender;
    };
    const Miss misses[] = {
        {"click", "key_"},               // a prefix without its index
        {"click", "key_x"},              // not a decimal index
        {"click", "closebtn_2"},         // a plain name is not a prefix
        {"click", "my_key_3"},           // prefixes match whole, not as endings
        {"valuechanged", "DPI_slider"},  // a prefix is not a name
        {"selectchanged", "closebtn"},   // a name under another type
        {"click", "DPI_slider_2"},       // a prefix under another type
        {"click", "tolvarms_key_1"},     // a leading text under another type
        {"msenter", "mouse_key_1"},
        {"click", ""},
        {"nosuchtype", "closebtn"},
        {"timer", "root"},
    };
    for (const Miss& miss : misses) {
        SCOPED_TRACE(std::string(miss.type) + " from \"" + miss.sender + "\"");
        EXPECT_EQ(wnd.Router().Find(miss.type, miss.sender), nullptr);
    }
}

TEST(NotifyRoutingTest, NumberedRouteGetsPrefixAndIndex) {
    app::ControlName seen;
    app::CNotifyRouter router;
    router.Add("valuechanged", app::CNotifyRouter::Match::kPrefix, "DPI_slider_", "probe",
               [&seen](DuiLib::TNotifyUI&, const app::ControlName& name) { seen = name; });
    DuiLib::TNotifyUI msg;
    msg.sType = "valuechanged";
    EXPECT_TRUE(router.Dispatch(msg, "dpi_SLIDER_27"));
    EXPECT_EQ(seen.prefix, "dpi_SLIDER_");
    EXPECT_EQ(seen.index, 27);
    msg.sType = "click";
    EXPECT_FALSE(router.Dispatch(msg, "DPI_slider_3"));
}

}  // namespace
