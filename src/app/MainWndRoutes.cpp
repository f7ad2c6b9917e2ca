// The routing table of the main window: which operation every notification of
// the main layout reaches, by notification type and by the sender's name, the
// prefix of its numbered name, or a leading text.
#include "app/MainWnd.h"

namespace app {

using Match = CNotifyRouter::Match;

void CMainWnd::Route(const std::string& type, Match match, const std::vector<std::string>& keys,
                     const std::string& handlerName, Handler handler) {
    m_router.AddAll(
        type, match, keys, handlerName,
        [this, handler](TNotifyUI& msg, const ControlName& name) { (this->*handler)(msg, name); });
}

#define ROUTE(handler, type, match, ...) \
    Route(type, match, {__VA_ARGS__}, #handler, &CMainWnd::handler)

void CMainWnd::BuildRoutes() {
    ROUTE(OnWindowInit, "windowinit", Match::kAnySender, "");
    ROUTE(OnRootWindowSize, "windowsize", Match::kName, "root");
    ROUTE(OnLightPaletteColor, "colorchanged", Match::kName, "deng_Color_Pallet");
    ROUTE(OnAudioPaletteColor, "colorchanged", Match::kName, "deng_audioColor_Pallet");
    ROUTE(OnMouseKeyHover, "msleave", Match::kStartsWith, "tolvarms_key_");
    ROUTE(OnMouseKeyHover, "msenter", Match::kStartsWith, "tolvarms_key_");
    ROUTE(OnDpiSliderMoving, "movevaluechanged", Match::kPrefix, "tolvar_DPI_slider_",
          "DPI_slider_");
    ROUTE(OnNoAction, "itemclick", Match::kAnySender, "");
    ROUTE(OnNoAction, "textchanged", Match::kAnySender, "");
    for (const char* type : {"click_wpremove", "click_wpedit", "click_wpadd", "click_wpselect"}) {
        ROUTE(OnNoAction, type, Match::kAnySender, "");
    }
    ROUTE(OnKeySelectionEnd, "click_select_end", Match::kName, "device_key_light",
          "mouse_device_key_light");
    ROUTE(OnMacroActionMenu, "itemactivate", Match::kName, "macro_action");
    ROUTE(OnKeyCaptureFocus, "setfocus", Match::kName, "keyset_keyboard_text_edit");

    // Clicks: the window itself.
    ROUTE(OnCloseButton, "click", Match::kName, "closebtn");
    ROUTE(OnNoDeviceOk, "click", Match::kName, "nodevice_ok_btn");
    ROUTE(OnLightControlToggle, "click", Match::kName, "control_light_status");
    ROUTE(OnMinimizeButton, "click", Match::kName, "minbtn");
    ROUTE(OnMaximizeButton, "click", Match::kName, "maxbtn");
    ROUTE(OnRestoreButton, "click", Match::kName, "restorebtn");
    ROUTE(OnSkinButton, "click", Match::kName, "skinbtn");
    ROUTE(OnSettingsButton, "click", Match::kName, "setbtn");
    ROUTE(OnMenuButton, "click", Match::kName, "menubtn");
    // Clicks: numbered controls.
    ROUTE(OnKeyButtonClick, "click", Match::kPrefix, "key_");
    ROUTE(OnLightColorOption, "click", Match::kPrefix, "color_option_");
    ROUTE(OnAudioColorOption, "click", Match::kPrefix, "audiocolor_option_");
    ROUTE(OnMouseWindowSetting, "click", Match::kPrefix, "windowdeviceset_");
    ROUTE(OnDpiColorOption, "click", Match::kPrefix, "DPI_color_option_");
    // Clicks: the features.
    ROUTE(OnKeyboardSystemButton, "click", Match::kName, "default_btn", "reset_repeat_btn");
    ROUTE(OnProfileButton, "click", Match::kName, "device_add_btn", "device_sub_btn",
          "device_export_btn", "device_import_btn", "device_copy_btn", "device_reset_btn",
          "device_profile_edit_save_btn", "profile_fun_spread_btn");
    ROUTE(OnKeySetButton, "click", Match::kName, "key_butt_keysave", "key_butt_keydefalut",
          "key_butt_keycancel", "key_butt_prosave");
    ROUTE(OnMacroButton, "click", Match::kName, "macro_btn_starredio", "macro_btn_stopredio",
          "macro_btn_name_add", "macro_btn_name_sub", "macro_btn_name_edit", "macro_btn_save",
          "macro_btn_cancel", "macro_btn_export", "macro_btn_import", "macro_btn_up",
          "macro_btn_down", "macro_btn_uptop", "macro_btn_downbottom", "macro_btn_delete",
          "macro_btn_deleteall", "macro_inset_moveleftkey_btn", "macro_inset_moverightkey_btn",
          "macro_inset_moveupkey_btn", "macro_inset_movedownkey_btn");
    ROUTE(OnRecoilButton, "click", Match::kName, "shootdate_save_btn", "shootdate_reset_btn",
          "shootdate_import_btn", "shootdate_export_btn", "bullet_selected_prev",
          "bullet_selected_next");
    ROUTE(OnLightCustomColorButton, "click", Match::kName, "custom_bright_color_btn",
          "custom_off_color_btn");
    ROUTE(OnSameModeLighting, "click", Match::kName, "deng_same_mode");
    ROUTE(OnHeadsetEqButton, "click", Match::kName, "hs_EQ_btn_save", "hs_EQ_btn_delete");
    ROUTE(OnDeviceSelectorScroll, "click", Match::kName, "device_select_prev",
          "device_select_next");
    ROUTE(OnAudioLightButton, "click", Match::kName, "Close_bkColor_btn", "music_setting_btn");

    // Options, check boxes and tabs.
    ROUTE(OnMouseDpiOption, "selectchanged", Match::kPrefix, "DPI_enable_check_",
          "DPI_select_check_", "mouse_device_seting_option_");
    ROUTE(OnPollingOrRepeatOption, "selectchanged", Match::kPrefix, "polling_rate_option_",
          "repeat_delay_check_");
    ROUTE(OnRecoilOption, "selectchanged", Match::kPrefix, "shoot_gun_op_", "bullet_op_");
    ROUTE(OnHeadsetOption, "selectchanged", Match::kPrefix, "magic_option_", "6533_eq_option_");
    ROUTE(OnKeySetOption, "selectchanged", Match::kPrefix, "key_ComBox_check_");
    ROUTE(OnMousePointerOption, "selectchanged", Match::kName, "pointer_precision_check",
          "scrolls_page_check");
    ROUTE(OnKeyboardFlagOption, "selectchanged", Match::kName, "winlockflag_option", "wflag_option",
          "6flag_option");
    ROUTE(OnSyncDeviceSelect, "selectchanged", Match::kName, "synchro_device_select");
    ROUTE(OnDeviceSelected, "selectchanged", Match::kName, "device_select");
    ROUTE(OnFunctionTab, "selectchanged", Match::kName, "deng_Op_tab", "key_Op_tab", "macro_Op_tab",
          "system_Op_tab", "cursor_Op_tab", "6533_voice_Op_tab", "magic_Op_tab",
          "Virtual7.1_Op_tab");
    ROUTE(OnLightOptionCheck, "selectchanged", Match::kName, "deng_FXL_check", "deng_FXR_check",
          "deng_7color_check");
    ROUTE(OnRecoilOption, "selectchanged", Match::kName, "bullet_x_check", "bullet_y_check");
    ROUTE(OnHeadsetOption, "selectchanged", Match::kName, "magic_enable_option",
          "6533_MicIn_option", "6533_MicMoniter_option");
    ROUTE(OnAudioLightOption, "selectchanged", Match::kName, "deng_7audiocolor_check",
          "audio_BkColor_check", "audio_FgColor_check");

    // Sliders.
    ROUTE(OnDpiSlider, "valuechanged", Match::kPrefix, "DPI_slider_");
    ROUTE(OnHeadsetEqSlider, "valuechanged", Match::kPrefix, "6533_eq_hz_slider_");
    ROUTE(OnMousePointerSlider, "valuechanged", Match::kName, "pointer_speed_slider",
          "scroll_speed_slider", "double_click_slider");
    ROUTE(OnKeyboardRepeatSlider, "valuechanged", Match::kName, "repeat_rate_slider");
    ROUTE(OnLightSlider, "valuechanged", Match::kName, "deng_light_slider", "deng_speed_slider");
    ROUTE(OnHeadsetMicSlider, "valuechanged", Match::kName, "6533_MicIn_slider",
          "6533_MicMoniter_slider");
    ROUTE(OnAudioColorSlider, "valuechanged", Match::kName, "R_light_slider", "G_light_slider",
          "B_light_slider");

    // Combos and lists.
    ROUTE(OnProfileComboSelect, "itemselect", Match::kName, "device_profile_combo");
    ROUTE(OnLightModeSelect, "itemselect", Match::kName, "light_combo_modeSelect",
          "light_combo_custommodeSelect", "light_combo_ZZCCmodeSelect",
          "light_combo_audiomodeSelect");
    ROUTE(OnKeySetComboSelect, "itemselect", Match::kName, "keyset_function_combo",
          "keyset_macro_over_combo", "keyset_mousekey_combo", "keyset_mouseswing_combo",
          "keyset_mousewheel_combo", "keyset_mousedpi_combo", "keyset_media_combo",
          "keyset_system_combo", "keyset_macro_combo", "keyset_gunkey_combo",
          "keyset_combokey_combo");
    ROUTE(OnMacroListSelect, "itemselect", Match::kName, "macro_name_list");
    ROUTE(OnHeadsetEqComboSelect, "itemselect", Match::kName, "custom_eq_name_combo");

    // Edit boxes losing the focus.
    ROUTE(OnDpiEditDone, "killfocus", Match::kPrefix, "tolvar_DPI_edit_", "tolvar_DPI_slider_",
          "DPI_edit_");
    ROUTE(OnLightColorEdit, "killfocus", Match::kName, "deng_edit_R", "deng_edit_G", "deng_edit_B");
    ROUTE(OnAudioColorEdit, "killfocus", Match::kName, "deng_audioedit_R", "deng_audioedit_G",
          "deng_audioedit_B");
    ROUTE(OnKeySetEditDone, "killfocus", Match::kName, "keyset_keyboard_text_edit",
          "keyset_mouseswing_num_edit", "keyset_mouseswing_delay_edit",
          "keyset_mouseswing_speed_edit", "keyset_mousewheel_num_edit",
          "keyset_mousewheel_delay_edit", "keyset_mousewheel_speed_edit",
          "keyset_mousefire_interval_edit", "keyset_mousefire_num_edit", "keyset_macro_cycle_edit");
    ROUTE(OnRecoilEditDone, "killfocus", Match::kName, "bullet_x_eidt", "bullet_y_eidt",
          "bullet_delay_eidt");
    ROUTE(OnMacroDelayEdit, "killfocus", Match::kName, "macro_delay");
}

#undef ROUTE

#define ZENTOR_FEATURE_HANDLER(name) \
    void CMainWnd::name(TNotifyUI&, const ControlName&) {}
#include "app/MainWndFeatureHandlers.inc"
#undef ZENTOR_FEATURE_HANDLER

}  // namespace app
