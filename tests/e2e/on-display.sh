# Sourced first by the end-to-end scripts that need a display: runs the
# calling script again, with its arguments, on a virtual X display of its own.
# The script reads its commands from its file, not from stdin, so no command
# in it can swallow the ones after it.
if [ -z "${SCRIVLETTE_DISPLAY_READY:-}" ]; then
    SCRIVLETTE_DISPLAY_READY=1 exec xvfb-run -a -s "-screen 0 1280x800x24 -noreset" bash "$0" "$@"
fi
