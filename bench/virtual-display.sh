# Sourced by the bench scripts: a virtual display of its own, and waiting for
# a program's window on it.

# Starts Xvfb on a free display number (Xvfb picks it and tells us) and
# exports DISPLAY. The caller kills $xvfb_pid when done.
start_virtual_display()
{
  local numbers
  numbers=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numbers" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [[ -s $numbers ]] && break; sleep 0.05; done
  [[ -s $numbers ]] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=:$(head -n 1 "$numbers")
  rm -f "$numbers"
}

# Prints the id of the visible window titled exactly $1 once program $2 has
# mapped it. Asks every 5 ms (xdotool's own --sync looks only twice a second;
# asking without a pause would take the processor from the program timed);
# gives up when the program ends or after ten seconds.
wait_for_window()
{
  local title=$1 pid=$2 deadline=$((SECONDS + 10)) id
  until id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1) && [[ -n $id ]]; do
    if ! kill -0 "$pid" 2>/dev/null || ((SECONDS > deadline)); then
      echo "no window '$title' from process $pid" >&2
      return 1
    fi
    sleep 0.005
  done
  echo "$id"
}
