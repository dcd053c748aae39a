# English plural forms: the English source texts are the keys, and only the
# texts counted with %n need forms of their own.
TEXTS = {
    "%1 of %n file(s) could not be read: %2": [
        "%1 of %n file could not be read: %2",
        "%1 of %n files could not be read: %2",
    ],
    "%n file(s) could not be read.": ["%n file could not be read.", "%n files could not be read."],
    "%1, %2 byte(s)": ["%1, %2 byte", "%1, %2 bytes"],
}
