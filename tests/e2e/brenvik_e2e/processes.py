"""Child processes that cannot outlive the test run: each one is asked to stop
when the test process dies, however it dies (a test driver's time-out kills
it without letting it clean up)."""

import ctypes
import signal
import subprocess

_PR_SET_PDEATHSIG = 1


def _stop_with_parent():
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def spawn(command, **options):
    """subprocess.Popen that ties the child's life to this process."""
    return subprocess.Popen(command, preexec_fn=_stop_with_parent, **options)


def stop(process, grace=5.0):
    """Ends a child: a polite SIGTERM first, SIGKILL if it does not listen."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
