"""Headless Chromium for the page's tests and its benchmark: Debian's browser
and driver, a fresh profile, nothing of its own going out."""
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run"]
# A headless window leaves an unknown part of itself to the page; the page
# gets exactly this.
DESKTOP = {"width": 560, "height": 480, "deviceScaleFactor": 1, "mobile": False}


class Chromium:
    def __init__(self, trace=None):
        """`trace`: the trace categories that the performance log is to hold."""
        self.profile = tempfile.mkdtemp(prefix="quiz-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        if trace:
            options.add_experimental_option("perfLoggingPrefs", {"traceCategories": trace})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.cdp("Emulation.setDeviceMetricsOverride", DESKTOP)
        self.cdp("Network.enable", {})
        self.cdp("Network.emulateNetworkConditions",
                 {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.driver.get_log("performance")  # the browser's own start page is not ours

    def cdp(self, command, params):
        return self.driver.execute_cdp_cmd(command, params)

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
