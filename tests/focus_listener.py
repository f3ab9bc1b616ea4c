#!/usr/bin/python3
# Prints a line for every control or item of any program that tells the
# accessibility bus it has the focus, as a screen reader hears it:
# "focus ROLE 'NAME'". Prints "listening" once it listens.
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def heard(event):
    if event.detail1 != 1:
        return
    try:
        role, name = event.source.get_role_name(), event.source.get_name()
    except gi.repository.GLib.Error:
        role, name = "gone", ""
    print(f"focus {role} '{name}'", flush=True)


listener = Atspi.EventListener.new(heard)
listener.register("object:state-changed:focused")
print("listening", flush=True)
Atspi.event_main()
