#!/usr/bin/env python3
"""Pastes the system clipboard into a new LibreOffice Draw document, as a user
would with Edit > Paste, and prints what landed on the page: the forms the
clipboard offered, the shape's type, its size in 0.01 mm, and whether its
picture is a vector picture.

Usage: paste_into_draw.py PIPE_NAME
(LibreOffice must be running with --accept="pipe,name=PIPE_NAME;urp;")."""

import os
import sys
import time

import uno
from com.sun.star.beans import PropertyValue


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(pipe):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(200):
        try:
            return resolver.resolve(
                "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
        except Exception:
            time.sleep(0.1)
    raise SystemExit("paste_into_draw: LibreOffice did not answer on pipe " + pipe)


def main():
    context = connect(sys.argv[1])
    smgr = context.ServiceManager
    clipboard = smgr.createInstanceWithContext(
        "com.sun.star.datatransfer.clipboard.SystemClipboard", context)
    contents = clipboard.getContents()
    flavors = [f.MimeType for f in contents.getTransferDataFlavors()] if contents else []
    print("forms:", " | ".join(flavors))

    desktop = smgr.createInstanceWithContext("com.sun.star.frame.Desktop", context)
    document = desktop.loadComponentFromURL("private:factory/sdraw", "_blank", 0,
                                            (prop("Hidden", True),))
    frame = document.getCurrentController().getFrame()
    dispatcher = smgr.createInstanceWithContext("com.sun.star.frame.DispatchHelper", context)
    dispatcher.executeDispatch(frame, ".uno:Paste", "", 0, ())
    page = document.getDrawPages().getByIndex(0)
    print("shapes:", page.getCount())
    for index in range(page.getCount()):
        shape = page.getByIndex(index)
        size = shape.getSize()
        print("shape:", shape.getShapeType(), "width:", size.Width, "height:", size.Height)
        if shape.getPropertySetInfo().hasPropertyByName("Graphic"):
            graphic = shape.getPropertyValue("Graphic")
            # GraphicType: 0 empty, 1 pixel, 2 vector.
            print("graphic:", graphic.getPropertyValue("GraphicType"),
                  graphic.getPropertyValue("MimeType"))
    document.close(True)


main()
# Leave without tearing down the UNO bridge: its teardown at interpreter exit
# sometimes crashes after the work is done, which would read as a failure.
sys.stdout.flush()
os._exit(0)
