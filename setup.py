"""The Python module tulvo: ctypes over libtulvo, which CMake builds from the engine's
sources (the CMake build is the one list of them) and which is installed inside the
package."""

import os
import re
import shutil
import subprocess

from setuptools import Distribution, setup
from setuptools.command.build_py import build_py

ROOT = os.path.dirname(os.path.abspath(__file__))


def project_version():
    with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as cmake:
        return re.search(r"project\(tulvo VERSION ([0-9.]+)", cmake.read()).group(1)


class BuildWithLibrary(build_py):
    """Builds libtulvo's shared library with CMake and puts it into the package."""

    def run(self):
        super().run()
        build = os.path.join(ROOT, "build", "python", "cmake")
        subprocess.check_call(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                               "-DTULVO_BUILD_TESTS=OFF", "-DTULVO_BUILD_BENCH=OFF"])
        subprocess.check_call(["cmake", "--build", build, "--target", "tulvo_shared", "-j", "2"])
        library = os.path.realpath(os.path.join(build, "lib", "libtulvo.so.3"))
        shutil.copyfile(library, os.path.join(self.build_lib, "tulvo", "libtulvo.so.3"))


class BinaryDistribution(Distribution):
    """The package holds a compiled library: its wheel is for this platform only."""

    def has_ext_modules(self):
        return True


setup(
    name="tulvo",
    version=project_version(),
    description="Gomoku (five in a row) move generator: the tulvo engine from Python",
    license="MIT",
    python_requires=">=3.9",
    install_requires=["numpy"],
    packages=["tulvo"],
    package_dir={"": "python"},
    package_data={"tulvo": ["py.typed"]},
    cmdclass={"build_py": BuildWithLibrary},
    distclass=BinaryDistribution,
    zip_safe=False,
)
