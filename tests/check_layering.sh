#!/usr/bin/env bash
# Logic libraries never touch widgets, and no window shows a message box except through Prompt.
set -u
root="$1"
status=0
logic=(core history entries checking stats wheels optimiser)
for d in "${logic[@]}"; do
    [ -d "$root/src/$d" ] || continue
    if grep -rnE '#include <(QtWidgets/|QtPrintSupport/)?Q(Widget|MessageBox|Dialog|Printer|Application)\b' "$root/src/$d"; then
        echo "widget use in logic folder src/$d"; status=1
    fi
done
if grep -rn 'QMessageBox::' "$root/src" | grep -v 'src/ui/Prompt.cpp'; then
    echo "QMessageBox used outside Prompt.cpp"; status=1
fi
[ $status -eq 0 ] && echo "1 passed, 0 failed"
exit $status
