#!/usr/bin/env python3
"""scripts/mutate.py [--windows | --web] [NAME...]: plants faults in the product one at a time and
tells which the tests catch. Each fault replaces one snippet of one file; the build and the tests
run with it (the Linux suite, with --windows the Windows one under Wine, with --web the web one),
and the file is put back. Run it in a spare clone (git worktree add), after ./test.sh has set the machine up: it
builds there with the presets. Prints a line a fault and the share caught."""
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# (name, file, snippet, replacement): slips in comparisons, constants, branches and tables.
FAULTS = [
    ("surcharge times 0.4", "calc/charge_time.cpp", "ratio / 100 * 40", "ratio * 0.4"),
    ("surcharge 40 / 100", "calc/charge_time.cpp", "ratio / 100 * 40", "ratio * 40 / 100"),
    ("no check of the time", "calc/charge_time.cpp", "    if (!std::isfinite(chargeTime)) {", "    if (false) {"),
    ("either rejection needed", "calc/charge_time.cpp", "capacityText.empty() ||", "capacityText.empty() &&"),
    ("blank capacity is empty", "calc/charge_time.cpp", "capacityText.empty()", "capacityText.find_first_not_of(u' ') == std::u16string_view::npos"),
    ("seconds an hour", "calc/charge_time.cpp", "kSecondsPerHour = 3600", "kSecondsPerHour = 3601"),
    ("no carry into hours", "calc/charge_time.cpp", "seconds == static_cast<int>(kSecondsPerHour)", "seconds > static_cast<int>(kSecondsPerHour)"),
    ("minutes by 61", "calc/charge_time.cpp", "seconds / 60", "seconds / 61"),
    ("hours truncated", "calc/charge_time.cpp", "std::floor(chargeTime)", "std::trunc(chargeTime)"),
    ("tab no blank", "calc/number_text.cpp", "c == u' ' || c == u'\\t'", "c == u' '"),
    ("digits before separator needed", "calc/number_text.cpp", "intDigits + fracDigits == 0", "intDigits == 0"),
    ("underflow as overflow", "calc/number_text.cpp", "magnitude += negative ? -exp : exp;", "magnitude += exp;"),
    ("integer path at 2^64", "calc/number_text.cpp", "magnitude < 0x1p64", "magnitude <= 0x1p64"),
    ("limbs padded to 8", "calc/number_text.cpp", "9 - part.size()", "8 - part.size()"),
    ("mantissa of 52 bits", "calc/number_text.cpp", "kMantissaBits = 53", "kMantissaBits = 52"),
    ("exponent sign dropped", "calc/number_text.cpp", "            *out++ = '-';\n        } else {\n            in.Take(u'+');\n        }\n        if (in.Digits(out) == 0) {", "        } else {\n            in.Take(u'+');\n        }\n        if (in.Digits(out) == 0) {"),
    ("underflow loses its sign", "calc/number_text.cpp", "*plain == '-' ? -0.0 : 0.0", "0.0"),
    ("1252 range short", "encoding/windows_1252.cpp", "code >= 0x80 && code <= 0x9F", "code >= 0x80 && code < 0x9F"),
    ("1252 Latin-1 range", "encoding/windows_1252.cpp", "c < 0x80 ||", "c <= 0x80 ||"),
    ("1252 upper range", "encoding/windows_1252.cpp", "c >= 0xA0 && c <= 0xFF", "c > 0xA0 && c <= 0xFF"),
    ("1252 euro", "encoding/windows_1252.cpp", "0x20AC, 0x0081", "0x20AD, 0x0081"),
    ("surrogates twice", "encoding/windows_1252.cpp", "            ++i;\n", ""),
    ("line feed refused", "input/keystroke_rule.cpp", "u\"\\x1B\\b\\t\\n\\r-\"", "u\"\\x1B\\b\\t\\r-\""),
    ("zero not a digit", "input/keystroke_rule.cpp", "code >= '0' && code <= '9'", "code > '0' && code <= '9'"),
    ("comma not a separator key", "input/keystroke_rule.cpp", "u\"\\\\/;:.,\"", "u\"\\\\/;:.\""),
    ("separator beeps", "input/keystroke_rule.cpp", "ansi.value_or(0)), false}", "ansi.value_or(0)), true}"),
    ("refusal silent", "input/keystroke_rule.cpp", "return {0, true};", "return {0, false};"),
    ("buffer 101", "settings/reg_function.cpp", "kBufferSize = 100", "kBufferSize = 101"),
    ("full access", "settings/reg_function.cpp", "kQueryValue | kEnumerateSubKeys | kNotify", "0x20019"),
    ("default on more data", "settings/reg_function.cpp", "code == kFileNotFound", "code == kMoreData"),
    ("no size-0 branch", "settings/reg_function.cpp", "if (size == 0) {", "if (false) {"),
    ("NUL kept", "settings/reg_function.cpp", "std::min(size, kBufferSize) - 1", "std::min(size, kBufferSize)"),
    ("type not preset", "settings/reg_function.cpp", "std::uint32_t type = kRegSz;", "std::uint32_t type = 0;"),
    ("close failure ignored", "settings/reg_function.cpp", "result = u\"ERROR CLOSING SUBKEY\";", ";"),
    ("key left open on failure", "settings/reg_function.cpp", "registry_.CloseKey(*openKey);", ";"),
    ("key left open after a query failure", "settings/reg_function.cpp", "        openKey.reset();", "        if (code != kSuccess) return result;\n        openKey.reset();"),
    ("non-ASCII root", "settings/reg_function.cpp", "c > 0x7F", "c > 0xFFFF"),
    ("overflow number", "settings/reg_function.cpp", "OwnFailure{6, \"Overflow\"}", "OwnFailure{13, \"Overflow\"}"),
    ("message with icon", "settings/reg_function.cpp", "notifier_.Notify(message, MessageIcon::None);", "notifier_.Notify(message, MessageIcon::Error);"),
    ("key names of 254", "settings/memory_registry.cpp", "kMaxKeyNameLength = 255", "kMaxKeyNameLength = 254"),
    ("data that fits refused", "settings/memory_registry.cpp", "stored.size() <= size", "stored.size() < size"),
    ("fewer roots", "settings/memory_registry.cpp", "handle <= static_cast<std::int32_t>(0x80000006)", "handle <= static_cast<std::int32_t>(0x80000001)"),
    ("case kept", "settings/memory_registry.cpp", "c >= 'A' && c <= 'Z'", "c >= 'A' && c < 'Z'"),
    ("separator value name", "settings/decimal_separator.h", "u\"sDecimal\"", "u\"sDecimals\""),
    ("exit on index 2", "ui/frm_main.cpp", "index == kExit.index", "index >= kExit.index"),
    ("a beep a refused character of a paste", "ui/frm_main.cpp", "        refused |= result.refused;\n", "        if (result.refused) face_.Beep();\n"),
    ("a paste refused whole is silent", "ui/frm_main.cpp", "        refused |= result.refused;\n", "        refused |= result.refused && result.received;\n"),
    ("Qt's length limit", "faces/qt/frm_main_dialog.cpp", "            box->setMaxLength(std::numeric_limits<int>::max());\n", ""),
    ("no stack-clash protection", "cmake/debian_hardening.cmake", "foreach(flag -fstack-clash-protection -fcf-protection)", "foreach(flag -fcf-protection)"),
    ("minutes and hours swapped", "ui/frm_main.cpp", "{results->hours, results->minutes,", "{results->minutes, results->hours,"),
    ("results not said", "ui/frm_main.cpp", "            face_.Announce(Spoken(shown));\n", ""),
    ("captions said backwards", "ui/frm_main.cpp", "CaptionOf(kResultBoxes[i])", "CaptionOf(kResultBoxes[2 - i])"),
    ("said as plain text", "faces/qt/announcement.cpp", "QAccessible::Notification);", "QAccessible::StaticText);"),
    ("notification never shown", "faces/qt/announcement.cpp", "    QAccessible::updateAccessibility(&shown);\n", ""),
    ("failure silent", "ui/frm_main.cpp", "        } else {\n            // A failure", "        } else if (std::holds_alternative<calc::Rejected>(outcome)) {\n            // A failure"),
    ("control characters reach the box", "ui/frm_main.cpp", "code == 0 || (code < ' ' && code != '\\b')", "code == 0"),
    ("Ctrl with letters only", "ui/key_translation.cpp", "upper <= U'_'", "upper <= U'Z'"),
    ("Ctrl+Backspace", "ui/key_translation.cpp", "return u'\\x7F';", "return u'\\b';"),
    ("caption left-aligned", "ui/frm_main_design.cpp", "Regular, kDarkRed,    kLabelBack, Right,  true,   4", "Regular, kDarkRed,    kLabelBack, Left,   true,   4"),
    ("frame background", "ui/frm_main_design.cpp", "kFrameBack{SystemColour::InactiveBorder}", "kFrameBack{SystemColour::ButtonFace}"),
    ("dark red", "ui/frm_main_design.cpp", "kDarkRed{64, 0, 0}", "kDarkRed{128, 0, 0}"),
    ("window background", "ui/frm_main_design.cpp", "3300, 2610, SystemColour::ActiveBorder", "3300, 2610, SystemColour::ButtonFace"),
    ("the edit control's length limit", "faces/win32/frm_main_window.cpp", "            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);\n", ""),
    ("no high-entropy ASLR", "CMakeLists.txt", "    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)\n", "    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)\n    add_link_options(-Wl,--disable-high-entropy-va)\n"),
    ("pixels truncated", "ui/frm_main_design.cpp", "std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch)", "static_cast<long>(static_cast<double>(twips) * dpi / kTwipsPerInch)"),
    ("tab order", "ui/frm_main_design.cpp", "kBoxBack,   Left,   true,   1}", "kBoxBack,   Left,   true,   3}"),
    ("active border grey", "ui/frm_main_design.cpp", "return {180, 180, 180};", "return {190, 190, 190};"),
    ("Alt types", "ui/key_translation.cpp", "(key.alt && !key.ctrl)", "false"),
    ("the system key types", "ui/key_translation.cpp", "if (key.meta || (key.alt", "if ((key.alt"),
    ("Ctrl with AltGr", "ui/key_translation.cpp", "if (!key.ctrl || key.alt) {", "if (!key.ctrl) {"),
    ("Ctrl with capitals only", "ui/key_translation.cpp", "key >= U'a' && key <= U'z' ? key - U'a' + U'A' : key", "key"),
    ("Enter presses nothing", "ui/key_translation.cpp", "return {Kind::PressButton, {}, EnterPresses(kCurrentBox)};", "return {Kind::BoxOwn};"),
    ("Enter on a button presses the default", "ui/frm_main_design.cpp", "DesignOf(focus).kind == Button ? focus : kDefaultButton", "kDefaultButton"),
    ("Ctrl+Enter presses", "ui/key_translation.cpp", "            if (!key.ctrl) {", "            if (true) {"),
    ("beyond 16 bits cut", "encoding/ansi_code_page.h", "    if (c <= 0xFFFF) {", "    if (true) {"),
    ("Escape the box's own", "ui/key_translation.cpp", "            return Typed(u\"\\x1B\");", "            return {Kind::ControlOwn};"),
    ("editing keys inserted", "ui/frm_main.cpp", "TypedCharacter(index, typed[0]).has_value()", "false"),
    ("Qt's Alt as Ctrl", "faces/qt/frm_main_dialog.cpp", "modifiers.testFlag(Qt::AltModifier)", "modifiers.testFlag(Qt::ControlModifier)"),
    ("Shift+Insert unfiltered", "faces/qt/frm_main_dialog.cpp", "key->matches(QKeySequence::Paste)", "false"),
    ("keyless text unfiltered", "faces/qt/frm_main_dialog.cpp", "        case 0:\n", ""),
    ("drop unfiltered", "faces/qt/frm_main_dialog.cpp", "        case QEvent::Drop: {", "        case QEvent::Drop + 1000: {"),
    ("drop at the caret", "faces/qt/frm_main_dialog.cpp", "            box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));\n", ""),
    ("Shift+F10 opens nothing", "faces/qt/frm_main_dialog.cpp", "(key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)", "false"),
    ("context menu's Paste unfiltered", "faces/qt/frm_main_dialog.cpp", "[this, index, box] { Type(index, box, QApplication::clipboard()->text()); }", "[box] { box->paste(); }"),
    ("context menu without Select All", "faces/qt/frm_main_dialog.cpp", "[box] { box->selectAll(); }", "[] {}"),
    ("no error icon", "ui/frm_main.cpp", "kWarningTitle, MessageIcon::Error);", "kWarningTitle, MessageIcon::None);"),
    ("focus not given back on activation", "ui/frm_main.cpp", "        face_.SetFocus(*focusBeforeDeactivation_);\n", ""),
    ("Qt's warning icon", "faces/qt/message_box.cpp", "? QMessageBox::Critical", "? QMessageBox::Warning"),
    ("navigation keys swallowed", "faces/qt/frm_main_dialog.cpp", "return false;  // navigation", "return true;  // navigation"),
    ("focus not restored", "ui/frm_main.cpp", "        face_.SetFocus(*focus);", ""),
    ("first focus last", "ui/frm_main.cpp", "TabOrder().front()", "TabOrder().back()"),
    ("results named by Label1", "ui/frm_main_design.cpp", "box.array == Text2 ? Label2 : Label1", "Label1"),
    ("labels over boxes", "ui/frm_main_design.cpp", "d.kind == Label ? 1 : d.kind == Frame ? 2 : 0", "d.kind == Label ? -1 : d.kind == Frame ? 2 : 0"),
    ("tab order by creation", "ui/frm_main_design.cpp", "layer(*a) == 0 && a->tabIndex < b->tabIndex", "false"),
    ("disabled text not grey", "ui/frm_main_design.cpp", "design.enabled ? design.text : kDisabledText", "design.text"),
    ("UTF-8 takes flags", "encoding/code_page_arguments.cpp", "        case 65001:  // UTF-8\n", ""),
    ("ISCII range short", "encoding/code_page_arguments.cpp", "codePage <= 57011", "codePage < 57011"),
    ("missing separator as a point", "settings/decimal_separator.cpp", "kDecimalSeparatorValue, u\"\")", "kDecimalSeparatorValue, u\".\")"),
    ("Escape closes", "faces/qt/frm_main_dialog.cpp", "event->key() == Qt::Key_Escape", "false"),
    ("no bold", "faces/qt/frm_main_dialog.cpp", "ui::FontFace::Bold ? QFont::Bold", "ui::FontFace::Bold ? QFont::Normal"),
    ("labels from the middle", "faces/qt/frm_main_dialog.cpp", "kind == ControlKind::Label ? Qt::AlignTop", "kind == ControlKind::Label ? Qt::AlignVCenter"),
    ("option end ignored", "app/brenvol_cli.cpp", "args[0] == \"--\"", "args[0] == \"---\""),
    ("rejection exit code", "app/brenvol_cli.cpp", "kRejected = 1", "kRejected = 3"),
    ("extra arguments taken", "app/brenvol_cli.cpp", "args.size() != 2", "args.size() < 2"),
    ("locale's grouping", "regional/number_format_qt.cpp", "decimalPoint()", "groupSeparator()"),
]
WINDOWS_FAULTS = [
    ("paste unfiltered", "faces/win32/frm_main_window.cpp", "(message == WM_PASTE ||", "(message == WM_PASTE + 0x10000 ||"),
    ("typing unfiltered", "faces/win32/frm_main_window.cpp", "(message == WM_CHAR ||", "(message == WM_CHAR + 0x10000 ||"),
    ("Shift+Insert unfiltered", "faces/win32/frm_main_window.cpp", "wParam == VK_INSERT && shift", "wParam == VK_INSERT + 1000 && shift"),
    ("Ctrl+Shift+Insert unfiltered", "faces/win32/frm_main_window.cpp", "wParam == VK_INSERT && shift", "wParam == VK_INSERT && shift && !ctrl"),
    ("Ctrl+Enter presses Calcola", "faces/win32/frm_main_window.cpp", "lParam) | DLGC_WANTMESSAGE;", "lParam);"),
    ("the system key types", "faces/win32/frm_main_window.cpp", "GetKeyState(VK_LWIN) < 0 || GetKeyState(VK_RWIN) < 0", "false"),
    ("composed characters unfiltered", "faces/win32/frm_main_window.cpp", "|| message == WM_IME_CHAR)", "|| message == WM_IME_CHAR + 0x10000)"),
    ("paste to the terminator", "faces/win32/clipboard_text.cpp", "text = all.substr(0, all.find(u'\\0'));", "text = block;"),
    ("another beep", "faces/win32/frm_main_window.cpp", "MessageBeep(MB_OK);", "MessageBeep(MB_ICONHAND);"),
    ("silent", "faces/win32/frm_main_window.cpp", "MessageBeep(MB_OK);", ";"),
    ("DPI change ignored", "faces/win32/frm_main_window.cpp", "    Place(dpi);\n    return 0;", "    return 0;"),
    ("client area as reckoned", "faces/win32/frm_main_window.cpp", "if (got.right == client.cx && got.bottom == client.cy) {", "if (true) {"),
    ("right-aligned labels to the left", "faces/win32/frm_main_window.cpp", "edit ? ES_RIGHT : SS_RIGHT", "edit ? ES_RIGHT : SS_LEFT"),
    ("names cleared after the boxes", "faces/win32/frm_main_window.cpp", "    names_.Clear();  // while the boxes are still there\n", ""),
    ("names at start-up only", "faces/win32/frm_main_window.cpp", "        case WM_GETOBJECT:\n            NameBoxes();\n            break;\n        case WM_DESTROY:", "        case WM_DESTROY:"),
    ("maximize box", "faces/win32/frm_main_window.cpp", "WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;", "WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX;"),
    ("one system colour for all", "faces/win32/frm_main_window.cpp", "GetSysColorBrush(static_cast<int>(*system))", "GetSysColorBrush(COLOR_BTNFACE)"),
    ("close box ignored", "faces/win32/frm_main_window.cpp", "        case WM_CLOSE:\n            Close();", "        case WM_CLOSE:\n            return 0;"),
    ("Enter on the focused button", "faces/win32/frm_main_window.cpp", "ui::EnterPresses(focus.value_or(ui::kCurrentBox))", "ui::kDefaultButton"),
    ("focus not kept on activation", "faces/win32/frm_main_window.cpp", "        form_.Deactivated();\n", ""),
    ("frame from its corner", "faces/win32/frm_main_window.cpp", "design.inFrame ? frame.top + design.top", "design.inFrame ? frame.top + design.top + 15"),
    ("no name for screen readers", "faces/win32/accessible_names.cpp", "PROPID_ACC_NAME, name.c_str()", "PROPID_ACC_DESCRIPTION, name.c_str()"),
    ("names never taken back", "faces/win32/accessible_names.cpp", "            services_->ClearHwndProps(", "            if (false) services_->ClearHwndProps("),
    ("service kept", "faces/win32/accessible_names.cpp", "        services_->Release();\n", ""),
    ("system code page", "encoding/ansi_code_page_windows.cpp", "    return GetACP();", "    return 1252;"),
    ("no round trip", "encoding/ansi_code_page_windows.cpp", " || AnsiToUnicode(static_cast<unsigned char>(bytes[0])) != c", ""),
    ("default character on UTF-8", "encoding/ansi_code_page_windows.cpp", "arguments.defaultCharacter ? \"?\" : nullptr", "\"?\""),
    ("UTF-8 takes flags", "encoding/code_page_arguments.cpp", "        case 65001:  // UTF-8\n", ""),
    ("separator value name", "settings/decimal_separator.h", "u\"sDecimal\"", "u\"sDecimals\""),
    ("the edit control's length limit", "faces/win32/frm_main_window.cpp", "            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);\n", ""),
    ("DLLs from the program's folder", "faces/win32/system_library.h", "LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)", "LoadLibraryExW(name, nullptr, 0)"),
    ("notification of another kind", "faces/win32/ui_automation_notification.cpp", "kActionCompleted = 2", "kActionCompleted = 4"),
    ("notification only when none listens", "faces/win32/ui_automation_notification.cpp", "!uia.clientsAreListening()", "uia.clientsAreListening()"),
    ("no high-entropy ASLR", "CMakeLists.txt", "    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)\n", "    add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)\n    add_link_options(-Wl,--disable-high-entropy-va)\n"),
    ("pixels truncated", "ui/frm_main_design.cpp", "std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch)", "static_cast<long>(static_cast<double>(twips) * dpi / kTwipsPerInch)"),
    ("paste cut at the box's width", "faces/win32/frm_main_window.cpp", "{L\"EDIT\", ES_AUTOHSCROLL | AlignmentStyle(design)", "{L\"EDIT\", AlignmentStyle(design)"),
]
WEB_FAULTS = [
    ("insertion unfiltered", "faces/web/page.js", "    put(box, withText(text,", "    put(box, text, withText(text,"),
    ("typed keys put nowhere", "faces/web/page.js", "    if (typed) put(box, Module.UTF16ToString(typed));\n", ""),
    ("every key to the browser", "faces/web/frm_main_page.cpp", "return outcome.boxOwn ? std::nullopt : std::optional(outcome.inserted);", "return std::nullopt;"),
    ("Enter named otherwise", "faces/web/frm_main_page.cpp", "key == u\"Enter\"           ? Key::Enter", "key == u\"Return\"          ? Key::Enter"),
    ("refused insertion empties the selection", "faces/web/page.js", "if (received) box.setRangeText", "box.setRangeText"),
    ("composition kept", "faces/web/page.js", "    if (before) [box.value, box.selectionStart, box.selectionEnd] = before;\n", ""),
    ("lone composition kept", "faces/web/page.js", "const before = state.before ?? state.settled;", "const before = state.before;"),
    ("Shift+Tab forward", "faces/web/page.js", "event.shiftKey ? focusable.length - 1 : 1", "event.shiftKey ? 1 : 1"),
    ("Tab in document order", "faces/web/page.js", "\n        .sort((a, b) => a.tabIndex - b.tabIndex);", ";"),
    ("grouping as separator", "faces/web/page.js", "part.type === 'decimal'", "part.type === 'group'"),
    ("first language only", "faces/web/page.js", "for (const language of languages)", "for (const language of languages.slice(0, 1))"),
    ("unknown language taken", "faces/web/page.js", "            if (Intl.NumberFormat.supportedLocalesOf(language).length === 0) continue;\n", ""),
    ("closed without a word", "faces/web/page.js", "document.querySelector('.closed').hidden = false;", ""),
    ("warning not an alert", "faces/web/page.js", "icon === 'error';", "icon === 'Error';"),
    ("scaled up with a mouse", "faces/web/page.js", "matches ? MOST : 1", "matches ? MOST : 2"),
    ("not scaled up on a touch screen", "faces/web/page.js", "matches ? MOST : 1", "matches ? 1 : 1"),
    ("fit by width alone", "faces/web/page.js", "const below = Math.min(roomX / width, (roomY - keyY) / height);", "const below = roomX / width;"),
    ("the key for - takes the focus", "faces/web/page.js", "    minus.addEventListener('mousedown', (event) => event.preventDefault());\n", ""),
    ("warning unscaled", "faces/web/page.js", "    message().style.zoom = zoom;\n", ""),
    ("OK says nothing of the warning", "faces/web/index.html.in", " aria-describedby=\"message-title message-text\">OK", ">OK"),
    ("live region silent", "faces/web/index.html.in", "aria-live=\"polite\"", "aria-live=\"off\""),
    ("early keys let through", "faces/web/page.js", "    if (!ready) {", "    if (false) {"),
    ("early keys lost", "faces/web/page.js", "held.splice(0).forEach(replay);", "held.splice(0);"),
    ("early Backspace lost", "faces/web/page.js", "const editingKeys = new Set(['Enter', 'Backspace',", "const editingKeys = new Set(['Enter',"),
    ("early focus taken", "faces/web/page.js", "        if (focused) byName(focused).focus();\n", ""),
    ("early moving keys at once", "faces/web/page.js", "} else if (movingKeys.has(event.key) && !modifiers) {", "} else if (false) {"),
    ("early Shift+arrow moves", "faces/web/page.js", "    if (!shift) return box.setSelectionRange(to, to);", "    return box.setSelectionRange(to, to);"),
    ("early clicks lost", "faces/web/page.js", "if (!ready && button) held.push([button, 'click']);", ""),
    ("a click takes the focus away", "faces/web/page.js", "!event.target.closest('input, button')) {", "false) {"),
    ("result boxes take clicks", "faces/web/brenvol.css", "    pointer-events: none;\n", ""),
    ("drop unfiltered", "faces/web/page.js", "const text = event.data || (event.dataTransfer?.getData('text/plain') ?? '');", "if (event.inputType === 'insertFromDrop') return; const text = event.data ?? '';"),
    ("Enter computes nothing", "ui/frm_main.cpp", "            Command1_Click(delivery.button.index);\n", ""),
    ("labels over boxes", "faces/web/make_page.cpp", "stacking.end() - std::find(stacking.begin(), stacking.end(), name)", "std::find(stacking.begin(), stacking.end(), name) - stacking.begin()"),
    ("points as pixels", "faces/web/make_page.cpp", "kArialPoints * 4 / 3", "kArialPoints"),
    ("boxes named by themselves", "faces/web/make_page.cpp", "NameText(CaptionOf(design.name))", "NameText(design.name)"),
    ("no tab order", "faces/web/make_page.cpp", "(tab == tabOrder.end()\n", "(true\n"),
    ("creation order for reading", "faces/web/make_page.cpp", "return std::pair(a->top, a->left) < std::pair(b->top, b->left);", "return false;"),
    ("columns before rows", "faces/web/make_page.cpp", "return std::pair(a->top, a->left) < std::pair(b->top, b->left);", "return std::pair(a->left, a->top) < std::pair(b->left, b->top);"),
    ("results enabled", "faces/web/make_page.cpp", "(design.enabled ? \"\" : \" disabled\")", "\"\""),
    ("policy without WebAssembly", "faces/web/index.html.in", "script-src 'self' 'wasm-unsafe-eval';", "script-src 'self';"),
    ("no page offline", "faces/web/sw.js.in", ".then((kept) => kept ?? fetch(event.request)));", ".then(() => fetch(event.request)));"),
    ("files refreshed one by one", "faces/web/sw.js.in", ".then((kept) => kept ?? fetch(event.request)));", ".then((kept) => {\n            const fresh = fetch(event.request).then((response) => {\n                if (response.ok) caches.open(CACHE).then((cache) => cache.put(event.request, response.clone()));\n                return response;\n            });\n            return kept ?? fresh;\n        }));"),
    ("subnormals out of range", "calc/number_text.cpp", "(value == 0 && errno == ERANGE)", "errno == ERANGE"),
    ("controls in the flow", "faces/web/brenvol.css", ".frame > * {\n    position: absolute;", ".frame > * {\n    position: relative;"),
    ("frame's controls from inside its border", "faces/web/brenvol.css", "    translate: -1px -1px;\n", ""),
]


def run(*command):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def main():
    suites = {"--windows": ("windows", WINDOWS_FAULTS), "--web": ("web", WEB_FAULTS)}
    preset, all_faults = next((suites[a] for a in sys.argv[1:] if a in suites), ("default", FAULTS))
    names = [a for a in sys.argv[1:] if a not in suites]
    faults = [f for f in all_faults if not names or f[0] in names]
    if run("cmake", "--preset", preset) or run("cmake", "--build", "--preset", preset):
        sys.exit("the unchanged tree does not build")
    caught = 0
    for name, file, snippet, replacement in faults:
        path = ROOT / file
        original = path.read_text()
        if original.count(snippet) != 1:
            print(f"??     {name}: the snippet is not in {file} once")
            continue
        path.write_text(original.replace(snippet, replacement))
        try:
            failed = run("cmake", "--build", "--preset", preset) != 0 or \
                run("ctest", "--preset", preset, "-j2", "-E", "^(format|packaging)") != 0
        finally:
            path.write_text(original)
        caught += failed
        print(f"{'caught' if failed else 'MISSED'} {name} ({file})", flush=True)
    print(f"{caught} of {len(faults)} caught")
    run("cmake", "--build", "--preset", preset)


if __name__ == "__main__":
    main()
