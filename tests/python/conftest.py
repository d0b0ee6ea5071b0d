import pytest

try:
    from tolvex_screener import _tolvex_screener  # noqa: F401
except ImportError as exc:
    raise pytest.UsageError(
        f"tolvex_screener is not importable with its native module ({exc}); "
        "install it first with `pip install .`"
    ) from exc

from tolvex_screener import Screener

# The smallest specification that validates: one symbol, a condition that
# always holds.
SPEC = '{"universe":["AAA"],"condition":{"type":"all","conditions":[]}}'
VERSION_CMD = '{"cmd":"version"}'
VERSION_REPLY = '{"version":"0.3.0"}'


@pytest.fixture
def screener() -> Screener:
    return Screener(SPEC)
