#!/usr/bin/python3
"""Reads the running program from outside, through AT-SPI, as a screen reader does.

Started by screen_reader.sh inside its own X server and session bus. Every window's controls
must have Japanese names and the roles a reader announces, nothing merely decorative may be
there, the currency labels and the banners must act when their press action is invoked, and
Tab must move the focus through the main window in its designed order, the banners last.
Arguments: the program, the folder of the window definitions (.ui), the stand-in opener's log.
"""

import os
import re
import subprocess
import sys
import time
import warnings
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# The Action calls this reader uses are the ones at-spi2-core 2.46 marks as old.
warnings.filterwarnings("ignore", category=DeprecationWarning)

PROGRAM, FORMS, OPENED = sys.argv[1:4]
BOUND = 60  # seconds any one awaited change may take on a loaded machine

# What a reader announces for each kind of control; anything else that has no children is
# decoration and must not be there.
ANNOUNCED_ROLES = {"push button", "text", "radio button", "link", "label", "menu item", "menu"}
# The logo pane and the browser pane take the focus; a reader names them.
PANE_ROLES = {"filler", "frame", "panel"}
CONTAINER_ROLES = {"menu bar", "popup menu", "filler", "frame", "panel", "scroll pane",
                   "viewport"}
CONTROL_NAME = re.compile(r"^(Text|Command|Option|Label|Picture|Image|Line|cmd)\w*$")

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, flush=True)
    return condition


def japanese(name):
    return name == "OK" or any(ord(c) >= 0x3000 for c in name)


def names_in_definition(form):
    """Each control's accessible name (or caption) in forms/<form>.ui, by control name."""
    names = {}
    for widget in ElementTree.parse(os.path.join(FORMS, form + ".ui")).iter("widget"):
        for prop in widget.findall("property"):
            if prop.get("name") in ("accessibleName", "text"):
                names.setdefault(widget.get("name"), prop.findtext("string"))
    return names


# Focus events in the order they arrive, as (role, name).
focused = []


def on_focus(event):
    if event.detail1 == 1:
        focused.append((event.source.get_role_name(), event.source.get_name()))


listener = Atspi.EventListener.new(on_focus)
listener.register("object:state-changed:focused")


def wait_for(condition, what):
    """Runs the event loop until condition() is true (checked as events arrive, at least every
    50 ms) or BOUND seconds have passed; returns its last value."""
    loop = GLib.MainLoop()
    deadline = time.monotonic() + BOUND
    result = [None]

    def done():
        result[0] = condition()
        return result[0] or time.monotonic() > deadline

    def look():
        if done():
            loop.quit()
            return False
        return True

    if not done():
        GLib.timeout_add(50, look)
        loop.run()
    check(result[0], "waited in vain for " + what)
    return result[0]


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Zorimex":
            return app
    return None


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def showing_frames():
    app = application()
    if app is None:
        return []
    frames = [app.get_child_at_index(i) for i in range(app.get_child_count())]
    return [f for f in frames
            if f is not None and f.get_state_set().contains(Atspi.StateType.SHOWING)]


def frame_with(name):
    """The showing window that holds a control named `name`."""
    for frame in showing_frames():
        if any(n.get_name() == name for n in descendants(frame)):
            return frame
    return None


def control(frame, name, role=None):
    for node in descendants(frame):
        if node.get_name() == name and (role is None or node.get_role_name() == role):
            return node
    return None


def actions(node):
    return [node.get_action_name(i) for i in range(node.get_n_actions())]


def press(node):
    check(node is not None and node.do_action(actions(node).index("Press")),
          "press action of %s" % (node.get_name() if node else "a missing control"))


def text_of(node):
    return node.get_text(0, node.get_character_count())


def check_window(frame, label):
    """The window has a name; every control is named in Japanese with a role a reader announces;
    nothing merely decorative (a line, an unnamed filler) is there."""
    check(frame.get_name() != "", "%s has a name" % label)
    for node in descendants(frame):
        role, name = node.get_role_name(), node.get_name()
        if role in CONTAINER_ROLES and node.get_child_count() > 0:
            continue  # read through, not announced
        check(role in ANNOUNCED_ROLES or (role in PANE_ROLES and name),
              "%s: '%s' is presented as %s, which a reader announces as nothing" %
              (label, name, role))
        check(japanese(name) and not CONTROL_NAME.match(name),
              "%s: a %s is named '%s'" % (label, role, name))


def opened_pages():
    if not os.path.exists(OPENED):
        return []
    with open(OPENED, encoding="utf-8") as log:
        return log.read().split()


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([PROGRAM], env=env)
    main_names = names_in_definition("form2")
    try:
        # A first start: the consent dialog beside the start-up window, both with empty titles.
        dialog = wait_for(lambda: frame_with("はい"), "the consent dialog")
        startup = wait_for(lambda: frame_with("OK"), "the start-up window")
        if not (dialog and startup):
            return
        check_window(dialog, "consent dialog")
        check_window(startup, "start-up window")
        check(control(dialog, "はい", "push button") and control(dialog, "いいえ", "push button"),
              "the dialog's answers are push buttons")
        press(control(dialog, "いいえ", "push button"))
        wait_for(lambda: frame_with("はい") is None, "the dialog to close on いいえ")
        press(control(startup, "OK", "push button"))
        window = wait_for(lambda: frame_with(main_names["Text1"]), "the main window")
        if not window:
            return
        for field in ("Text%d" % n for n in range(1, 12)):
            check(control(window, main_names[field], "text"), field + " is a text field")
        for button in ("Command%d" % n for n in range(1, 7)):
            check(control(window, main_names[button], "push button"), button + " is a button")

        # Tab from the amount field walks the designed chain, then the two banners.
        chain = ["Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Command3",
                 "Command4", "Text5", "Text6", "Picture1", "Command5", "Text8", "Text9",
                 "Text10", "WebBrowser1", "Command6", "Text11", "Text7", "Image1", "Image2",
                 "Text1"]
        control(window, main_names["Text1"], "text").grab_focus()
        wait_for(lambda: focused and focused[-1][1] == main_names["Text1"], "focus on Text1")
        del focused[:-1]
        for _ in chain[1:]:
            before = len(focused)
            Atspi.generate_keyboard_event(0xFF09, None, Atspi.KeySynthType.SYM)  # Tab
            wait_for(lambda: len(focused) > before, "a focus event after Tab")
        check([name for _, name in focused] == [main_names[c] for c in chain],
              "Tab order read from outside: %s" % " → ".join(name for _, name in focused))

        # The banners are links a reader can press: each opens its page.
        for banner in ("Image1", "Image2"):
            link = control(window, main_names[banner], "link")
            if check(link is not None, banner + " is a link") and \
                    check("Press" in actions(link), banner + " has a press action"):
                count = len(opened_pages())
                press(link)
                wait_for(lambda: len(opened_pages()) > count, banner + "'s page to open")
        check(len(opened_pages()) == 2 and "/bbs/" in opened_pages()[0],
              "the banners opened the board, then the maker's site: %s" % opened_pages())

        # Every other window, opened the way a reader's user opens it.
        for item in ("気を付けたいこと", "標準ホテル料金", "バージョン情報"):
            press(control(window, item, "menu item"))
        press(control(window, main_names["Command4"], "push button"))
        selection_names = names_in_definition("form4")
        selection = wait_for(lambda: frame_with(selection_names["Label14"]),
                             "the selection window")
        wait_for(lambda: len(showing_frames()) == 5, "the five windows")
        for frame in showing_frames():
            check_window(frame, frame.get_name())
        if selection:
            check(control(selection, selection_names["Option2"], "radio button"),
                  "the map buttons are radio buttons")
            label = control(selection, selection_names["Label14"], "push button")
            currency = control(window, main_names["Text6"], "text")
            check(text_of(currency) == "", "no currency before the choice")
            press(label)
            wait_for(lambda: text_of(currency) != "", "the currency label's choice")

        press(control(window, main_names["Command5"], "push button"))  # ×: the end
        try:
            check(program.wait(BOUND) == 0, "the program ends with status 0")
        except subprocess.TimeoutExpired:
            check(False, "the program ends on ×")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


main()
print("%d failure(s)" % len(failures), flush=True)
sys.exit(1 if failures else 0)
