"""The one number-to-text routine of the window, the central line and the local circumstances."""


def format_number(value, width, decimals):
    """Fixed point, rounded to the last decimal, blank-padded to `width`; trailing zeros and a
    trailing point are dropped when decimals > 0; a bare "-0" becomes "0"."""
    text = "%*.*f" % (width, decimals, value)
    if decimals != 0:
        while len(text) >= 2 and text.endswith("0"):
            text = text[:-1]
        if len(text) > 1 and text.endswith("."):
            text = text[:-1]
    if text == "-0":
        text = "0"
    return text

